#!/usr/bin/env bash
# Fails when an #include or a CMake link goes against the layering of docs/architecture.md:
# each library may use only itself and the libraries listed for it below, and no core library
# includes a Qt header.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A may_use=(
  [common]="common"
  [codec]="codec common"
  [catalog]="catalog common"
  [convert]="convert codec catalog common"
  [settings]="settings convert catalog codec common"
  [ui]="ui settings convert catalog codec common"
  [app]="app ui settings convert catalog codec common"
)
core="common codec catalog convert settings"

declare -A library_folder=()
for folder in "${!may_use[@]}"; do
  [[ -f $folder/CMakeLists.txt ]] || continue
  for library in $(grep -oE 'add_library\(vok_[a-z_]+' "$folder/CMakeLists.txt" | sed 's/add_library(//'); do
    library_folder[$library]=$folder
  done
done

failures=0
fail() { echo "layering: $*" >&2; failures=$((failures + 1)); }

for layer in "${!may_use[@]}"; do
  [[ -d $layer ]] || continue
  allowed=" ${may_use[$layer]} "
  # Project includes name their library as the first path part: #include "convert/x.h".
  while IFS=: read -r file line used; do
    [[ $allowed == *" $used "* ]] || fail "$file:$line includes from $used/, which $layer/ may not use"
  done < <(grep -rnoE '^#include "[a-z_]+/' "$layer" --include='*.h' --include='*.cpp' |
           sed -E 's/#include "([a-z_]+)\/$/\1/')
  # Links: the libraries named in the folder's CMakeLists.txt, each belonging to the folder that defines it.
  if [[ -f $layer/CMakeLists.txt ]]; then
    for linked in $(grep -oE 'vok_[a-z_]+' "$layer/CMakeLists.txt" | sort -u); do
      used=${library_folder[$linked]:-}
      [[ -z $used || $allowed == *" $used "* ]] ||
        fail "$layer/CMakeLists.txt links $linked (in $used/), which $layer/ may not use"
    done
  fi
done

for layer in $core; do
  if grep -rlE '^#include <Q[A-Za-z]*>' "$layer" --include='*.h' --include='*.cpp' >/dev/null 2>&1; then
    fail "$layer/ includes a Qt header: the core must build without Qt"
  fi
done

# The interfaces a Qt window implements must not take the names of QWidget's own members, or the
# window would hide or override them by accident.
qt_names='repaint|update|resize|move|show|hide|close|objectName|setEnabled|setVisible|setFocus|showMessage'
for layer in $core; do
  [[ -d $layer ]] || continue
  while IFS= read -r hit; do
    fail "$hit declares a virtual with a QWidget member's name"
  done < <(grep -rnE "virtual [^(]*\b($qt_names)\(" "$layer" --include='*.h' || true)
done

if ((failures > 0)); then
  echo "layering: $failures violation(s); see docs/architecture.md" >&2
  exit 1
fi
echo "layering: every include and link follows docs/architecture.md"
