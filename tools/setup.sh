#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks and the
# screenshots need. Quick when nothing is missing; says what it installs.
set -euo pipefail

packages=(
  cmake ninja-build g++ qt6-base-dev libxkbcommon-dev  # build and Qt Test
  xvfb xauth xdotool imagemagick                     # a real window and screenshots
  fonts-liberation2 fonts-dejavu-core                 # legible small labels
  strace e2fsprogs util-linux acl attr                # the fault matrix: injected faults, chattr, setpriv, flock, ACLs
  clang libclang-rt-dev                               # the fuzz target (libFuzzer)
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
