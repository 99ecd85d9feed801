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
echo "== the Ansible collection"
if ! command -v ansible-galaxy >/dev/null; then
  echo "ansible-galaxy is missing: install ansible-core (tools/setup.sh test does) to build the collection" >&2
  exit 1
fi
rm -f "$build"/trafalytic-code_inserter-*.tar.gz
ansible-galaxy collection build --force --output-path "$build" ansible
# The tarball installs as a user would install it.
collections=$(mktemp -d)
trap 'rm -rf "$collections"' EXIT
ansible-galaxy collection install --collections-path "$collections" "$build"/trafalytic-code_inserter-*.tar.gz
ANSIBLE_COLLECTIONS_PATH="$collections" ansible-doc trafalytic.code_inserter.code_inserter >/dev/null
echo "collection: $(cd "$build" && ls trafalytic-code_inserter-*.tar.gz)"
