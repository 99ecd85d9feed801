#!/usr/bin/env bash
# Builds the libFuzzer target of the page rewriter and runs it for FUZZ_SECONDS
# (60 by default) on the sample pages as seeds; fails when it finds an input that
# breaks the rewriter, or when it ran no input at all.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset fuzz
cmake --build --preset fuzz
corpus=$(mktemp -d)
# Seeds: the sample pages, behind a flags byte, a length byte and a website number.
for page in tests/data/pages/* tests/data/php/*; do
  { printf '\x07\x0512345'; cat "$page"; } > "$corpus/seed-$(basename "$page")"
done
fuzzer="$PWD/build-fuzz/bin/fuzz_rewriter"
log=$(mktemp)
status=0
(cd "$corpus" && "$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -print_final_stats=1 . >"$log" 2>&1) ||
  status=$?
grep -E '^(stat::|Done|==|Test unit written|scanning kernels)' "$log" || true
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
