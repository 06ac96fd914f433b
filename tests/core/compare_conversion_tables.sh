#!/usr/bin/env bash
# Compares the conversion table of the Windows build, run under Wine, with the native one.
#   compare_conversion_tables.sh WINE_RUN SESSION_DIR WINDOWS_TABLE_EXE NATIVE_TABLE_PROGRAM
set -uo pipefail
wine_run=$1
session=$2
windows_exe=$3
native=$4
if [ ! -x "$native" ]; then
    echo "the native build's conversion_table is missing: build the native preset first ($native)"
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" >"$work/native.txt" || exit 1
"$wine_run" "$session" "$windows_exe" | tr -d '\r' >"$work/windows.txt" || exit 1
lines=$(wc -l <"$work/native.txt")
if diff "$work/native.txt" "$work/windows.txt" >"$work/diff.txt"; then
    echo "conversion tables agree on all $lines lines"
else
    echo "conversion tables differ in $(grep -c '^<' "$work/diff.txt") of $lines lines:"
    head -n 40 "$work/diff.txt"
    exit 1
fi
