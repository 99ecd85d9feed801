#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the wizard and the picker
# (new texts come in unfinished; texts gone are dropped), for Qt Linguist to
# translate. The English file holds only the plural forms.
#   tools/update-translations.sh [LANG...]   e.g. de; none: every language shipped
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
sources=(wizard picker)
if [ $# -eq 0 ]; then
  files=(translations/code-inserter_*.ts)
else
  files=()
  for l in "$@"; do files+=("translations/code-inserter_$l.ts"); done
fi
for ts in "${files[@]}"; do
  lang="$(basename "$ts" .ts)"; lang="${lang#code-inserter_}"
  extra=(); [ "$lang" = en ] && extra=(-pluralonly)
  "$lupdate" -silent -no-obsolete -locations none "${extra[@]}" -target-language "$lang" \
    -source-language en -I . "${sources[@]}" -ts "$ts"
done
