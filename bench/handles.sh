#!/usr/bin/env bash
# Prints the largest number of handles code-inserter-cli holds open at once on a
# documentation tree of 300 pages, one page a folder, seven folders deep, under
# limits of 1024 and 256 handles (traced with strace: every open, duplicate and close).
#   bench/handles.sh [path/to/code-inserter-cli]
set -euo pipefail
cli="${1:-$(dirname "$0")/../build/bin/code-inserter-cli}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in $(seq 1 30); do
  for m in $(seq 1 10); do
    d="$work/site/docs/en/v2/api/ref/$n/mod-$m"
    mkdir -p "$d"
    printf '<html><body>page %s %s</body></html>\n' "$n" "$m" > "$d/index.html"
  done
done
for limit in 1024 256; do
  strace -f -qq -o "$work/trace" -e trace=open,openat,close,dup,dup2,dup3,fcntl,pipe2 \
    prlimit --nofile="$limit" "$cli" insert -r --site="$limit" "$work/site" > "$work/out"
  peak=$(python3 - "$work/trace" <<'PY'
import re, sys
held, peak = set(), 0
for line in open(sys.argv[1]):
    m = re.search(r'(\w+)\((\d*).*\) = (-?\d+)', line)
    if not m:
        continue
    call, arg, ret = m.group(1), m.group(2), int(m.group(3))
    if call == 'close':
        held.discard(int(arg))
    elif ret >= 0 and (call != 'fcntl' or 'F_DUPFD' in line):
        held.add(ret)
    peak = max(peak, len(held))
print(peak)
PY
)
  echo "limit $limit: $(tail -1 "$work/out"); at most $peak handles open at once (with the 3 standard ones)"
done
