#!/usr/bin/env bash
# Prints how long a whole `velorin-cli convert` (and then `lint`) takes, from process start to exit, as a user
# running it sees it: median and spread of many runs on one core, for the synthetic city at
# the limits of the data files, a two-line city and, when the published Chengdu data is beside
# the checkout, Chengdu. Then what bounds them: the start of a process and the flushes of a save.
#   bench/cli-speed.sh [RUNS] [CHENGDU_BUS_INFO_CSV]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-100}"
csv="${2:-../shared/realdata/chengdu-8684/bus_info.csv}"

bash scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target velorin-cli velorin-synthetic-city velorin-process-timer \
    >/dev/null
bin=build/native

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/bench/velorin-synthetic-city" "$work/limit-city.txt"
"$bin/bench/velorin-synthetic-city" "$work/two-lines.txt" --lines 2 --stations 20 --stops 10
inputs=("limit city (16000 stations, 4000 lines x 2 x 60 stops)" "$work/limit-city.txt"
        "two-line city" "$work/two-lines.txt")
if [ -f "$csv" ]; then
    python3 bench/chengdu_to_input.py "$csv" "$work/chengdu.txt"
    inputs+=("Chengdu" "$work/chengdu.txt")
else
    echo "Chengdu skipped: $csv not found"
fi

echo "velorin-cli convert, whole process, on CPU 0; load: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((i = 0; i < ${#inputs[@]}; i += 2)); do
    printf '%s\n  ' "${inputs[i]}"
    taskset -c 0 "$bin/bench/velorin-process-timer" "$runs" \
        "$bin/cli/velorin-cli" convert "${inputs[i + 1]}" "$work/out"
done
# lint reads the same texts and checks every line and station name; it should stay within
# twice the conversion.
echo "velorin-cli lint, whole process, on CPU 0"
for ((i = 0; i < ${#inputs[@]}; i += 2)); do
    printf '%s\n  ' "${inputs[i]}"
    taskset -c 0 "$bin/bench/velorin-process-timer" "$runs" \
        "$bin/cli/velorin-cli" lint "${inputs[i + 1]}"
done
# A journey query on the limit city's data folder, next to check of the same folder: from the
# first station of the first line to the last of the third.
"$bin/cli/velorin-cli" convert "$work/limit-city.txt" "$work/limit" >/dev/null
first_line=$(sed -n '/^\[datasection\]/{n;p;q}' "$work/limit-city.txt" | cut -d, -f9)
third_line=$(sed -n '/^\[datasection\]/{n;n;n;p;q}' "$work/limit-city.txt" | cut -d, -f9)
printf 'velorin-cli check, limit city folder\n  '
taskset -c 0 "$bin/bench/velorin-process-timer" "$runs" "$bin/cli/velorin-cli" check "$work/limit"
printf 'velorin-cli query, limit city folder\n  '
taskset -c 0 "$bin/bench/velorin-process-timer" "$runs" "$bin/cli/velorin-cli" \
    --output-encoding gbk query "$work/limit" "${first_line%%-*}" "${third_line##*-}"
# What no conversion can go below: starting the process, and a save's flushes to the disk.
printf 'velorin-cli --version (starting the process alone)\n  '
taskset -c 0 "$bin/bench/velorin-process-timer" "$runs" "$bin/cli/velorin-cli" --version
if command -v strace >/dev/null; then
    strace -f -T -e trace=fsync -o "$work/flushes" "$bin/cli/velorin-cli" convert \
        "$work/two-lines.txt" "$work/out" >/dev/null
    sed -n 's/^.*fsync(.*<\([0-9.]*\)>$/\1/p' "$work/flushes" |
        awk '{sum += $1; n++}
             END {printf "one save of the two-line city: %d flushes, %.1f ms\n", n, sum * 1000}'
fi
