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
echo "scanning kernels the scan tests ran: $(build/bin/tst_pagerewriter 2>/dev/null | sed -n 's/^scanning kernel: //p' | tr '\n' ' ')"
if $quick; then exit 0; fi

echo "== no product function over 60 lines"
tools/function-sizes.sh build

echo "== the generic file layer (QDir and QSaveFile), built and tested on this system"
cmake --preset generic
cmake --build --preset generic
ctest --preset generic

echo "== the Debian packages, checked by lintian, appstreamcli and desktop-file-validate"
tools/package.sh "$preset"

echo "== fuzzing the page rewriter for a minute"
tools/fuzz.sh

echo "== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
