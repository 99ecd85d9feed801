#!/usr/bin/env bash
# Renders every wizard page, page 3 during and after a run, the folder picker,
# the preview, the history and page 2 in German and Arabic
# to PNG files, at 100% and 200% scaling. Usage: tools/screenshots.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-shots}"
cmake --build --preset default --target tst_form1 tst_form2 tst_languages >/dev/null
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"
# A site as its owner keeps it, where the pictures say it is.
site=/home/ann/Sites/example.com
if ! mkdir -p "$site" 2>/dev/null; then site="$(mktemp -d)/example.com"; mkdir -p "$site"; fi
trap 'rm -rf "$site"' EXIT
export INSERTER_SHOTS_SITE="$site"
for scale in 1 2; do
  mkdir -p "$out/${scale}x"
  for t in tst_form1 tst_form2 tst_languages; do
    INSERTER_SHOTS="$(realpath "$out/${scale}x")" QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=offscreen \
      build/bin/$t screenshots >/dev/null
    find "$site" -mindepth 1 -delete
  done
done
ls "$out"/*/
