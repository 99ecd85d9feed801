#!/usr/bin/env bash
# Lists every function of the product code (tests and benchmarks aside) longer
# than 60 lines, by clang-tidy's readability-function-size on the compile commands
# of build/; exits 1 when there is one.   tools/function-sizes.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sources=$(git ls-files 'engine/*.cpp' 'files/*.cpp' 'platform/*.cpp' 'picker/*.cpp' 'wizard/*.cpp' 'app/*.cpp' \
  'cli/*.cpp' | grep -v '/generic/')
config='{Checks: "-*,readability-function-size", CheckOptions: [{key: readability-function-size.LineThreshold, value: 60}]}'
report=$(clang-tidy -p "$build" --quiet --config="$config" $sources 2>/dev/null |
  grep -E 'exceeds recommended size|lines including whitespace' |
  sed -E -e 's/: warning: function (.*) exceeds recommended size\/complexity thresholds.*/: \1/' \
    -e 's/.*note: ([0-9]+) lines including.*/  \1 lines/' | paste -d' ' - - || true)
if [ -z "$report" ]; then
  echo "no product function is over 60 lines"
  exit 0
fi
echo "$report"
exit 1
