#!/usr/bin/env bash
# Runs the driver against velorin.exe in the Wine session, with the native converter's
# output of the same input as the reference, and turns the screenshots into PNG files.
#   blackbox.sh SESSION_DIR NATIVE_CLI VELORIN_EXE DRIVER_EXE DATA_DIR WORK_DIR [DRIVER_ARGS...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
session=$1 native_cli=$2 velorin=$3 driver=$4 data=$5 work=$6
shift 6
native_cli=$(realpath "$native_cli") velorin=$(realpath "$velorin") driver=$(realpath "$driver")
data=$(realpath "$data") work=$(realpath -m "$work")

rm -rf "$work"
mkdir -p "$work/expected" "$work/run" "$work/screenshots"
"$native_cli" convert "$data/city.txt" "$work/expected" >"$work/expected.log"

status=0
"$here/../../scripts/wine-run.sh" "$session" "$driver" \
    --velorin="$velorin" --data="$data" --expected="$work/expected" \
    --work="$work/run" --shots="$work/screenshots" "$@" || status=$?

for picture in "$work"/screenshots/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
echo "screenshots: $work/screenshots"
exit "$status"
