#!/usr/bin/env bash
# Sets up, builds and runs every test. Pass a preset name (default: default).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
tools/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 0700 "$XDG_RUNTIME_DIR"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
