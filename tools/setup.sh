#!/usr/bin/env bash
# Installs the Debian packages that are missing, and says which.
#   tools/setup.sh        what building and running the wizard and the CLI needs
#   tools/setup.sh test   that, and what the tests, the fault matrix, the fuzzing,
#                         the benchmarks, the screenshots, the packages and the
#                         Ansible collection need
set -euo pipefail

packages=(
  cmake ninja-build g++ qt6-base-dev libxkbcommon-dev  # build
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # the languages: lupdate, lrelease, Qt's own translations
  fonts-liberation2 fonts-dejavu-core                 # legible small labels
  pkg-config libzstd-dev libssl-dev                   # the journal: Zstandard and SHA-256
)
if [ "${1:-}" = "test" ]; then
  packages+=(
    xvfb xauth xdotool imagemagick                    # a real window and screenshots
    libxcb1-dev                                       # the start-up benchmark watches the display
    strace e2fsprogs util-linux acl attr              # the fault matrix: injected faults, chattr, setpriv, flock, ACLs
    clang libclang-rt-dev                             # the fuzz target (libFuzzer)
    clang-tidy                                        # the product functions' size
    dpkg-dev file lintian appstream desktop-file-utils  # the packages and their checks
    ansible-core                                      # the Ansible collection's plays
    patch                                             # diffs applied in the tests
    faketime                                          # runs made with the clock moved
    php-cli hugo apache2                              # real sites: PHP and SSI pages served, a generated site
  )
fi

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
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: done"
