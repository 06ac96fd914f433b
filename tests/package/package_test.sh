#!/usr/bin/env bash
# The release zip as a Windows user meets it: unpacked into a folder whose path holds Chinese
# characters and a space, both programs run under Wine in a session of their own.
#   package_test.sh ZIP VERSION NATIVE_CLI EXAMPLE_TXT       (VERSION as in 1.0.0)
# NATIVE_CLI converts EXAMPLE_TXT into the files that velorin-cli.exe must write too.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scripts=$here/../../scripts
zip=$(realpath "$1") version=$2 native_cli=$(realpath "$3") example=$(realpath "$4")
work=$(mktemp -d)
session=$work/wine-session
trap 'bash "$scripts/wine-session.sh" stop "$session"; rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

top=velorin-$version
folder="$work/公交 数据"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder" || { echo "cannot unpack $zip"; exit 1; }

expected_entries() {
    printf '%s\n' "$top/" "$top/examples/" "$top/examples/yunxi.txt" \
        "$top/guide.txt" "$top/velorin-cli.exe" "$top/velorin.exe"
}
check "one top folder with the programs, the example and the guide" \
    diff <(expected_entries) <(unzip -Z1 "$zip")

guide=$folder/$top/guide.txt
check "the guide is GBK text" iconv -f GBK -t UTF-8 "$guide" -o /dev/null
check "every line of the guide ends in CR LF" \
    test "$(grep -c $'\r$' "$guide")" -eq "$(wc -l <"$guide")" -a "$(wc -l <"$guide")" -gt 100
check "the guide is plain text" bash -c "! grep -q '^#' '$guide'"
# The guide sits beside the programs, first in the open dialog: converting it must fail.
check "the guide converts to nothing" bash -c "! '$native_cli' convert '$guide' '$work/guide' >/dev/null"

# Both programs carry the version, the product name and a Chinese description.
version_resource() {  # version_resource PROGRAM FILE_NAME
    local found expected
    found=$(python3 "$here/version_resource.py" "$folder/$top/$1") || return 1
    expected=$(printf '%s\n' "file version $version.0" "product version $version.0" \
        "FileVersion=$version" "InternalName=$1" "OriginalFilename=$1" "ProductName=velorin" \
        "ProductVersion=$version")
    diff <(echo "$expected") <(grep -v '^FileDescription=' <<<"$found") &&
        grep -q '^FileDescription=公交线路数据' <<<"$found"
}
check "version resource of velorin.exe" version_resource velorin.exe
check "version resource of velorin-cli.exe" version_resource velorin-cli.exe

bash "$scripts/wine-session.sh" start "$session" >/dev/null || { echo "no Wine session"; exit 1; }
# shellcheck disable=SC1091
source "$session/env"
wine_run() { (cd "$folder/$top" && timeout 120 "$scripts/wine-run.sh" "$session" "$@"); }

check "velorin-cli.exe --version" test "$(wine_run velorin-cli.exe --version | tr -d '\r')" = \
    "velorin-cli $version"

# The example given as a full Windows path, through the Chinese folder with its space.
windows_example="Z:$(printf '%s' "$folder/$top/examples/yunxi.txt" | tr / '\\')"
check "velorin-cli.exe convert" wine_run velorin-cli.exe convert "$windows_example" out >/dev/null
"$native_cli" convert "$example" "$work/expected" >/dev/null
for file in readme.txt s.i s.d t.i t.d; do
    check "$file as the native build writes it" cmp "$work/expected/$file" "$folder/$top/out/$file"
done

# velorin.exe starts into its main window and Escape closes it with the dialog's result 2.
wine_run velorin.exe &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "车友达数据制作工具" | head -n 1)
if [ -n "$window" ]; then
    xdotool windowfocus --sync "$window" key Escape
fi
wait "$program"
check "velorin.exe ends with 2 after Escape" test "$?" -eq 2

report_checks
