#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and benchmarking need; skips what is there.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  libjpeg62-turbo-dev libfmt-dev libcli11-dev
  libexif-dev                   # the EXIF Orientation tag
  libgtest-dev libgmock-dev
  clang-format                  # the format check
  qt6-base-dev libgl-dev          # the desktop program
  fonts-liberation fonts-ipafont-gothic  # its texts: Times metrics and Japanese glyphs
  libjpeg-turbo-progs tidy      # the reference tools the tests compare against
  imagemagick libimage-exiftool-perl  # turned pictures: their tags and a second opinion
  locales                       # locale sources the tests build with localedef
)
case "${1:-}" in
  --bench) packages+=(libvips-tools time hyperfine) ;;
  # dpkg-shlibdeps and file work out the package's library dependencies; the others check it.
  --package) packages+=(dpkg-dev file desktop-file-utils appstream man-db) ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
