#!/usr/bin/env bash
# Builds the two Debian packages from the build folder and checks them with
# lintian, appstreamcli and desktop-file-validate. Usage: tools/package.sh [PRESET]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
build=build
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$build"/code-inserter-cli_*.deb "$build"/code-inserter_*.deb 2>&1 |
  grep -v 'running with root privileges' || true
lintian --fail-on error "$build"/code-inserter-cli_*.deb "$build"/code-inserter_*.deb >/dev/null 2>&1
echo "== appstreamcli"
appstreamcli validate --no-net packaging/com.trafalytic.CodeInserter.metainfo.xml
echo "== desktop-file-validate"
desktop-file-validate packaging/com.trafalytic.CodeInserter.desktop
echo "packages: $(cd "$build" && ls code-inserter*.deb | tr '\n' ' ')"
