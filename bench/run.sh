#!/usr/bin/env bash
# Builds the native release and prints the conversion times of the synthetic city and, when
# the published Chengdu data is beside the checkout, of that real city.
#   bench/run.sh [CHENGDU_BUS_INFO_CSV]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target velorin-bench >/dev/null

csv="${1:-../shared/realdata/chengdu-8684/bus_info.csv}"
inputs=()
if [ -f "$csv" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    python3 bench/chengdu_to_input.py "$csv" "$work/chengdu.txt"
    inputs+=("$work/chengdu.txt")
fi
taskset -c 0 build/native/bench/velorin-bench --runs 20 "${inputs[@]}"
