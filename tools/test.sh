#!/usr/bin/env bash
# Sets up, builds and runs every test: the suite (with the fault matrix), a minute
# of fuzzing, and the same suite under AddressSanitizer and UndefinedBehaviorSanitizer. In CI (CI=true) warnings are errors. --quick runs the suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
if [ "${1:-}" = "--quick" ]; then quick=true; fi
preset=default
if [ "${CI:-}" = "true" ]; then preset=ci; fi

tools/setup.sh test
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"

echo "== the test suite"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
if $quick; then exit 0; fi

echo "== the Debian packages, checked by lintian, appstreamcli and desktop-file-validate"
tools/package.sh "$preset"

echo "== fuzzing the page rewriter for a minute"
cmake --preset fuzz
cmake --build --preset fuzz
corpus=$(mktemp -d)
# Seeds: the sample pages, behind a flags byte, a length byte and a website number.
for page in tests/data/pages/*; do
  { printf '\x07\x0512345'; cat "$page"; } > "$corpus/seed-$(basename "$page")"
done
fuzzer="$PWD/build-fuzz/bin/fuzz_rewriter"
log=$(mktemp)
status=0
(cd "$corpus" && "$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -print_final_stats=1 . >"$log" 2>&1) ||
  status=$?
grep -E '^(stat::|Done|==|Test unit written)' "$log" || true
found=$(find "$corpus" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \))
if [ -n "$found" ]; then
  echo "fuzzing found failing inputs:"
  for f in $found; do echo "$f"; od -c "$f" | head -20; done
  exit 1
fi
# A fuzzer that never started, or ran no input, has checked nothing.
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
if [ "$status" -ne 0 ] || [ -z "$runs" ] || [ "$runs" -eq 0 ]; then
  echo "fuzzing did not run (exit status $status, ${runs:-no} inputs run):"
  tail -20 "$log"
  exit 1
fi
echo "fuzzing: $runs inputs, no failure"

echo "== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
