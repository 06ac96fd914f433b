#!/usr/bin/env bash
# Builds the native release, writes a synthetic GTFS feed of 10 million stop-time rows (or the
# number given) and prints the time and peak memory of importing it on one core.
#   bench/gtfs-import.sh [STOP_TIME_ROWS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target velorin-cli velorin-gtfs-feed >/dev/null

rows="${1:-10000000}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/feed"
build/native/bench/velorin-gtfs-feed "$work/feed" "$rows"
echo "feed: $(($(wc -l <"$work/feed/stop_times.txt") - 1)) stop-time rows," \
     "$(($(wc -l <"$work/feed/trips.txt") - 1)) trips," \
     "$(du -sm "$work/feed" | cut -f1) MB"

taskset -c 0 /usr/bin/time -v build/native/cli/velorin-cli import "$work/feed" \
    -o "$work/city.txt" 2>"$work/time.txt" >/dev/null || { cat "$work/time.txt"; exit 1; }
grep -E '^(imported|  )' "$work/time.txt" | grep -v ':.*:' || true
awk -F': ' '/Elapsed \(wall clock\)/ {print "import time (wall, one core): " $2}
            /User time/ {print "user time (s): " $2}
            /Maximum resident set size/ {printf "peak memory: %.1f MB\n", $2 / 1024}' \
    "$work/time.txt"
