#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: unpacked into a temporary root,
# the installed programs convert the sample photos (vok without a display), find their help
# documents, and the desktop entry, metainfo and manual pages pass their validators.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "package check: $*" >&2; exit 1; }

deb=$(scripts/package.sh -DVOK_WERROR=ON | tail -n1)
version=$(sed -n 's/^project(vok VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ $(basename "$deb") == "vok_${version}_$(dpkg --print-architecture).deb" ]] ||
  fail "unexpected package name $deb for version $version"

root=$(mktemp -d)
trap 'rm -rf -- "$root"' EXIT
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
share=$root/usr/share
export VOK_SETTINGS_FILE=$root/settings QT_QPA_PLATFORM=offscreen

[[ $("$bin/vok-batch" --version) == "vok-batch $version "* ]] || fail "vok-batch --version"

mkdir -p "$root/photos/batch" "$root/photos/desk"
cp samples/photos/*.jpg "$root/photos/"
"$bin/vok-batch" --quiet "$root/photos" "$root/photos/batch" 120 90 NULL _t ||
  fail "the installed vok-batch failed"
"$bin/vok" "$root/photos" "$root/photos/desk" 120 90 NULL _t >/dev/null ||
  fail "the installed vok failed with six arguments"
count=0
for original in samples/photos/*.jpg; do
  name=$(basename "${original%.*}")_t.jpg
  djpeg "$root/photos/desk/$name" >/dev/null || fail "vok wrote no readable $name"
  cmp -s "$root/photos/desk/$name" "$root/photos/batch/$name" || fail "$name differs from vok-batch's"
  count=$((count + 1))
done
((count > 0)) || fail "no sample photos"

# The program looks for its help documents beside itself, then in ../share/vok.
for document in vok.html vok-j.html; do
  [[ -f $bin/../share/vok/$document ]] || fail "$document is not where the program looks"
done

desktop-file-validate "$share/applications/vok.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/io.github.vok.Vok.metainfo.xml" >/dev/null ||
  fail "metainfo"
for page in vok vok-batch; do
  warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man page $page: $warnings"
done
echo "package check: $(basename "$deb") installs and converts $count sample photos with both programs"
