#!/usr/bin/env bash
# Sets up, builds and runs every test: the suite (with the fault matrix), the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a minute of
# fuzzing. In CI (CI=true) warnings are errors. --quick runs the suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
if [ "${1:-}" = "--quick" ]; then quick=true; fi
preset=default
if [ "${CI:-}" = "true" ]; then preset=ci; fi

tools/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"

echo "== the test suite"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
if $quick; then exit 0; fi

echo "== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== fuzzing the page rewriter for a minute"
cmake --preset fuzz
cmake --build --preset fuzz
corpus=$(mktemp -d)
cp tests/fuzz/corpus/* "$corpus"
build-fuzz/bin/fuzz_rewriter -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix="$corpus/" "$corpus" 2>&1 | grep -E '^(stat::|Done|#[0-9]+ *DONE|broken|==)' || true
if ls "$corpus"/crash-* "$corpus"/leak-* "$corpus"/timeout-* >/dev/null 2>&1; then
  echo "fuzzing found a failing input:"; ls "$corpus"/crash-* "$corpus"/leak-* "$corpus"/timeout-* 2>/dev/null
  exit 1
fi
