#!/usr/bin/env bash
# Sets up, builds and starts the wizard.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/code-inserter "$@"
