#!/usr/bin/env bash
# Runs the driver against velorin.exe in the Wine session, with the native converter's
# output of the same input as the reference, and turns the screenshots into PNG files.
#   blackbox.sh SESSION_DIR NATIVE_CLI VELORIN_EXE DRIVER_EXE DATA_DIR WORK_DIR EXAMPLE_TXT
#               CLI_EXE [DRIVER_ARGS...]
# As root it also prepares a read-only view of converted data (a read-only bind mount), so
# that the editor's save into a directory it cannot write is tested.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
session=$1 native_cli=$2 velorin=$3 driver=$4 data=$5 work=$6 example=$7 cli_exe=$8
shift 8
native_cli=$(realpath "$native_cli") velorin=$(realpath "$velorin") driver=$(realpath "$driver")
data=$(realpath "$data") work=$(realpath -m "$work") example=$(realpath "$example")
cli_exe=$(realpath "$cli_exe")

read_only=()
cleanup() {
    if mountpoint -q "$work/readonly" 2>/dev/null; then
        umount "$work/readonly"
    fi
}
trap cleanup EXIT
cleanup
rm -rf "$work"
mkdir -p "$work/expected" "$work/run" "$work/screenshots"
"$native_cli" convert "$data/city.txt" "$work/expected" >"$work/expected.log"

if [ "$(id -u)" -eq 0 ]; then
    mkdir -p "$work/readonly-source" "$work/readonly"
    "$native_cli" convert "$example" "$work/readonly-source" >/dev/null
    if mount --bind "$work/readonly-source" "$work/readonly" &&
        mount -o remount,bind,ro "$work/readonly"; then
        read_only=(--readonly="$work/readonly")
    else
        echo "cannot mount a read-only directory here; that test is skipped"
    fi
fi

status=0
"$here/../../scripts/wine-run.sh" "$session" "$driver" \
    --velorin="$velorin" --data="$data" --expected="$work/expected" \
    --work="$work/run" --shots="$work/screenshots" --example="$example" --cli="$cli_exe" \
    "${read_only[@]}" "$@" || status=$?

for picture in "$work"/screenshots/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
echo "screenshots: $work/screenshots"
exit "$status"
