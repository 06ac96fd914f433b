#!/usr/bin/env bash
# Starts or stops a private Wine session: an Xvfb display and a fresh Wine prefix, both kept
# in one directory, with an env file that scripts/wine-run.sh reads.
#   scripts/wine-session.sh start DIR
#   scripts/wine-session.sh stop DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
action=${1:?usage: wine-session.sh start|stop DIR}
dir=${2:?usage: wine-session.sh start|stop DIR}

stop_session() {
    if [ -f "$dir/env" ]; then
        # shellcheck disable=SC1091
        source "$dir/env"
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        rm -f "$dir/env"
    fi
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
}

free_display() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

case "$action" in
start)
    stop_session
    mkdir -p "$dir"
    display=$(free_display) || { echo "no free X display number" >&2; exit 1; }
    setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp \
        </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }

    rm -rf "$dir/prefix"
    {
        echo "source '$here/wine-env.sh'"
        echo "export DISPLAY=:$display"
        echo "export WINEPREFIX='$dir/prefix'"
    } >"$dir/env.new"
    # shellcheck disable=SC1091
    source "$dir/env.new"
    wine wineboot -i >"$dir/wineboot.log" 2>&1
    wineserver -w
    mv "$dir/env.new" "$dir/env"
    echo "Wine session ready: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
    ;;
stop)
    stop_session
    ;;
*)
    echo "usage: wine-session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
