#!/usr/bin/env bash
# Prints how long velorin.exe keeps the user waiting, under Wine in a private Xvfb display,
# driven with real mouse and keyboard input (xdotool): conversions in the main window and the
# editor's commands, each timed from the mouse button going up until the command has run and
# the buttons are enabled again. Median and spread (min to max) over several runs.
#   bench/gui-speed.sh [--runs N] [--limit SECONDS] [--only REGEX] [CHENGDU_BUS_INFO_CSV]
# A run that passes the limit is stopped and reported as "> limit"; the row ends there.
# --only measures the rows whose label matches.
# The Chengdu rows need the published bus-line table (default: beside the checkout).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=5
limit=300
only=.
csv=../shared/realdata/chengdu-8684/bus_info.csv
while (($#)); do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --limit) limit=$2; shift 2 ;;
        --only) only=$2; shift 2 ;;
        *) csv=$1; shift ;;
    esac
done

bash scripts/setup.sh windows >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target velorin velorin-cli >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target velorin-bench >/dev/null

work=$(mktemp -d /tmp/velorin-gui-speed.XXXXXX)
cleanup() {
    bash scripts/wine-session.sh stop "$work/session" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

# Inputs: warnings on every line, the limit city and, when its table is there, Chengdu.
python3 bench/warning_input.py 600 "$work/warnings-600.txt"
python3 bench/warning_input.py 5000 "$work/warnings-5000.txt"
build/native/bench/velorin-bench --runs 1 --write-synthetic "$work/limit.txt" >/dev/null
cities=(limit)
if [ -f "$csv" ]; then
    python3 bench/chengdu_to_input.py "$csv" "$work/chengdu.txt"
    cities=(chengdu limit)
else
    echo "no Chengdu table at $csv: its rows are left out"
fi

x86_64-w64-mingw32-g++ -O2 -municode -static -o "$work/button-watch.exe" bench/ButtonWatch.cpp
bash scripts/wine-session.sh start "$work/session" >/dev/null
# shellcheck disable=SC1091
source "$work/session/env"
export BUTTON_WATCH_LIMIT_MS=$((limit * 1000))

main_caption="车友达数据制作工具1.6"
editor_caption="编辑界面"
velorin_pid=""

winpath() { echo "Z:${1//\//\\}"; }

# The editor opens the data files of each city.
for city in "${cities[@]}"; do
    wine build/windows/cli/velorin-cli.exe convert "$(winpath "$work/$city.txt")" \
        "$(winpath "$work/$city")" >/dev/null 2>&1
done

start_velorin() {
    wine build/windows/app/velorin.exe >/dev/null 2>&1 &
    velorin_pid=$!
}

stop_velorin() {
    if [ -n "$velorin_pid" ]; then
        kill "$velorin_pid" 2>/dev/null || true
        wait "$velorin_pid" 2>/dev/null || true
        velorin_pid=""
    fi
}

# The screen position of control ID of the window CAPTION, once the window is shown.
control_at() {
    local words
    read -r -a words < <(wine "$work/button-watch.exe" "$1" "$2" </dev/null 2>/dev/null)
    [ "${words[0]:-}" = at ] || { echo "no control $2 in window $1" >&2; return 1; }
    echo "${words[1]} ${words[2]}"
}

type_into() {  # CAPTION ID TEXT
    local x y
    read -r x y < <(control_at "$1" "$2")
    xdotool mousemove "$x" "$y" click 1
    xdotool type --delay 2 "$3"
}

wait_gone() {  # CAPTION
    for _ in $(seq 500); do
        xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.02
    done
    return 1
}

# Presses button ID of window CAPTION RUNS times (with OPENS: the press opens that window,
# which is closed again with Escape) and prints the median and spread of the waits.
press() {  # LABEL CAPTION ID RUNS [OPENS]
    local label=$1 caption=$2 id=$3 count=$4 opens=${5:-}
    local x y word t0 t1 figures=() stopped=""
    if [[ ! "$label" =~ $only ]]; then
        return 0
    fi
    coproc WATCH { wine "$work/button-watch.exe" "$caption" "$id" ${opens:+"$opens"} 2>/dev/null; }
    read -r word x y <&"${WATCH[0]}"
    for _ in $(seq "$count"); do
        xdotool mousemove "$x" "$y" mousedown 1
        echo press >&"${WATCH[1]}"
        read -r word <&"${WATCH[0]}"
        t0=$EPOCHREALTIME
        xdotool mouseup 1
        if ! read -r -t $((limit + 10)) word <&"${WATCH[0]}" || [ "$word" != done ]; then
            stopped="> ${limit} s (stopped${word:+: $word})"
            break
        fi
        t1=$EPOCHREALTIME
        figures+=("$((${t1/./} - ${t0/./}))")
        if [ -n "$opens" ]; then
            xdotool key Escape
            wait_gone "$opens"
        fi
    done
    exec {WATCH[1]}>&-
    if [ -n "$stopped" ]; then
        stop_velorin
    fi
    python3 - "$label" "$stopped" "${figures[@]}" <<'EOF'
import statistics
import sys
label, stopped, figures = sys.argv[1], sys.argv[2], [int(f) / 1e6 for f in sys.argv[3:]]
if figures:
    line = (f"median {statistics.median(figures):8.3f} s   spread {min(figures):.3f} .. "
            f"{max(figures):.3f} s   ({len(figures)} runs)")
else:
    line = ""
print(f"{label:<40} {line} {stopped}".rstrip())
EOF
}

convert_row() {  # LABEL INPUT RUNS
    if [[ ! "$1" =~ $only ]]; then
        return 0
    fi
    start_velorin
    type_into "$main_caption" 1000 "$(winpath "$2")"
    type_into "$main_caption" 1002 "$(winpath "$work/out")"
    press "$1" "$main_caption" 1005 "$3"
    stop_velorin
}

editor_rows() {  # CITY
    local city=$1
    if [[ ! "$city: 编辑... 下一个 保存内存 保存到文件" =~ $only ]]; then
        return 0
    fi
    start_velorin
    type_into "$main_caption" 1002 "$(winpath "$work/$city")"
    press "$city: open the editor (编辑...)" "$main_caption" 1021 "$runs" "$editor_caption"
    if [ -n "$velorin_pid" ]; then
        local x y
        read -r x y < <(control_at "$main_caption" 1021)
        xdotool mousemove "$x" "$y" click 1
        press "$city: 下一个" "$editor_caption" 1023 "$runs"
    fi
    if [ -n "$velorin_pid" ]; then
        press "$city: 保存内存" "$editor_caption" 1017 "$runs"
    fi
    if [ -n "$velorin_pid" ]; then
        press "$city: 保存到文件" "$editor_caption" 1030 "$runs"
    fi
    stop_velorin
}

echo "load: $(uptime)"
echo "main window, 转换:"
convert_row "600 lines, one warning each" "$work/warnings-600.txt" "$runs"
convert_row "5000 warnings" "$work/warnings-5000.txt" "$runs"
if [ -f "$work/chengdu.txt" ]; then
    convert_row "Chengdu" "$work/chengdu.txt" "$runs"
fi
echo "editor:"
for city in "${cities[@]}"; do
    editor_rows "$city"
done
echo "load: $(uptime)"
