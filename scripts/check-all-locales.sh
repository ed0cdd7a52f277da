#!/usr/bin/env bash
# Checks the catalog's dates, time stamps and file sizes in every locale the system's locale
# sources can build (/usr/share/i18n/SUPPORTED), against date(1) and locale(1). Takes several
# minutes, so it stays out of CI. Needs the "locales" package and a dev build.
set -euo pipefail
cd "$(dirname "$0")/.."
list=${1:-/usr/share/i18n/SUPPORTED}
[[ -r "$list" ]] || { echo "no locale list at $list (install the locales package)" >&2; exit 2; }
cmake --build build/dev --target catalog_test >/dev/null
VOK_LOCALE_LIST="$list" build/dev/tests/catalog/catalog_test \
  --gtest_filter='LocaleFormats.EveryListedLocaleMatchesTheSystemTools'
