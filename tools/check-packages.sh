#!/usr/bin/env bash
# Installs both packages into a clean Debian 12 chroot (made with mmdebstrap from
# this machine's apt sources), starts both programs there, removes them again and
# checks that nothing of theirs is left. Needs root. Usage: tools/check-packages.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-packages: needs root" >&2; exit 2; }
command -v mmdebstrap >/dev/null || apt-get install -y --no-install-recommends mmdebstrap
debs=(build/code-inserter-cli_*_amd64.deb build/code-inserter_*_amd64.deb)
[ -f "${debs[0]}" ] && [ -f "${debs[1]}" ] || tools/package.sh

sources=/etc/apt/sources.list.d/debian.sources
[ -f "$sources" ] || sources=/etc/apt/sources.list
root=$(mktemp -d /tmp/code-inserter-chroot-XXXXXX)
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT

echo "== a clean Debian 12 in $root"
mmdebstrap --variant=apt --include=xvfb,xauth bookworm "$root" "$sources"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update
state() { # every file outside what apt and dpkg keep for themselves
  in_root find / -xdev \( -path /proc -o -path /tmp -o -path /var/cache -o -path /var/lib/apt \
    -o -path /var/lib/dpkg -o -path /var/log -o -path /root \) -prune -o -print | sort
}
state >"$root.before"

echo "== install"
cp "${debs[@]}" "$root/tmp/"
in_root apt-get install -y --no-install-recommends /tmp/$(basename "${debs[0]}") /tmp/$(basename "${debs[1]}")
echo "== start"
in_root code-inserter-cli --version
in_root sh -c 'mkdir -p /tmp/site && printf "<html><body>x</body></html>\n" > /tmp/site/a.html &&
  code-inserter-cli insert --site 1 /tmp/site && code-inserter-cli status --site 1 /tmp/site'
in_root xvfb-run -a sh -c 'code-inserter & p=$!; sleep 3; kill -0 $p && kill $p && echo "code-inserter: started"'
echo "== remove"
in_root apt-get autoremove --purge -y code-inserter code-inserter-cli
state >"$root.after"
if ! diff -u "$root.before" "$root.after"; then
  echo "check-packages: files were left behind" >&2
  rm -f "$root.before" "$root.after"
  exit 1
fi
rm -f "$root.before" "$root.after"
echo "check-packages: both packages install, start and remove cleanly"
