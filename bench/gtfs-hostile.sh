#!/usr/bin/env bash
# Builds the native release, writes each hostile feed shape of bench/hostile_feeds.py (or the
# shapes given) and prints how its import ends: exit status, time, peak memory and the error.
#   bench/gtfs-hostile.sh [SHAPE...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target velorin-cli >/dev/null

shapes=(trips sequences names lines long-name scattered duplicates)
[ $# -eq 0 ] || shapes=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for shape in "${shapes[@]}"; do
    python3 bench/hostile_feeds.py "$shape" "$work/feed"
    status=0
    /usr/bin/time -f '%e %M' -o "$work/time.txt" build/native/cli/velorin-cli \
        --output-encoding utf-8 import "$work/feed" -o "$work/city.txt" \
        >/dev/null 2>"$work/err.txt" || status=$?
    # time adds a line of its own before its figures when the command fails.
    read -r seconds kib < <(tail -n 1 "$work/time.txt")
    error=$(grep -m1 -o 'error: [a-z_]*' "$work/err.txt" || true)
    printf '%-11s %4s MB  exit %d  %6.2f s  peak %6.1f MB  %s\n' "$shape" \
        "$(du -sm "$work/feed" | cut -f1)" "$status" "$seconds" "$(awk "BEGIN {print $kib / 1024}")" "$error"
    rm -rf "$work/feed"
done
