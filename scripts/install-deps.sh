#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and benchmarking need; skips what is there.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  libjpeg62-turbo-dev libfmt-dev libcli11-dev
  libgtest-dev libgmock-dev
  clang-format                  # the format check
  libjpeg-turbo-progs tidy      # the reference tools the tests compare against
  locales                       # locale sources the tests build with localedef
  qt6-base-dev                  # the desktop program vok
  fonts-liberation fonts-ipafont-gothic  # the window font and the Japanese box titles
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libvips-tools imagemagick time hyperfine)
fi

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
