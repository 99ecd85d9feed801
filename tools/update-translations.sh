#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the wizard and the picker
# (new texts come in unfinished; texts gone are dropped), for Qt Linguist to
# translate. The English file holds only the plural forms.
#   tools/update-translations.sh [LANG...]   e.g. de; none: every language shipped
#   tools/update-translations.sh --check     fails, changing nothing, when a file is
#       not up to date with the sources, a message is unfinished, or a text has no
#       translation context (a tr() that lupdate cannot place)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate="$(command -v lupdate)"
sources=(wizard picker)
check=false
if [ "${1:-}" = --check ]; then check=true; shift; fi
if [ $# -eq 0 ]; then
  files=(translations/code-inserter_*.ts)
else
  files=()
  for l in "$@"; do files+=("translations/code-inserter_$l.ts"); done
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "${files[@]}"; do
  lang="$(basename "$ts" .ts)"; lang="${lang#code-inserter_}"
  extra=(); [ "$lang" = en ] && extra=(-pluralonly)
  target="$ts"
  if $check; then target="$work/$(basename "$ts")"; cp "$ts" "$target"; fi
  "$lupdate" -silent -no-obsolete -locations none "${extra[@]}" -target-language "$lang" \
    -source-language en -I . "${sources[@]}" -ts "$target" 2> "$work/warnings"
  if [ -s "$work/warnings" ]; then
    echo "$ts: lupdate warns (a text without a translation context?):"; sort -u "$work/warnings"; failed=1
  fi
  if $check; then
    if ! cmp -s "$ts" "$target"; then
      echo "$ts: not up to date with the sources (run tools/update-translations.sh $lang):"
      diff -u "$ts" "$target" | grep '^[-+] *<source>' | head -20; failed=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
      echo "$ts: unfinished or obsolete messages:"
      grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -20; failed=1
    fi
  fi
done
exit $failed
