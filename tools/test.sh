#!/usr/bin/env bash
# Sets up, builds and runs every test. In CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
if [ "${CI:-}" = "true" ]; then preset=ci; fi
tools/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
