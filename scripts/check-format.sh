#!/usr/bin/env bash
# Fails, naming each file, when a tracked C++ source differs from what clang-format makes of it
# with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

differing=()
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    clang-format --style=file --dry-run --Werror "$file" >/dev/null 2>&1 || differing+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')

if ((${#differing[@]})); then
    echo "clang-format would change these files (clang-format -i FILE to fix):" >&2
    printf '  %s\n' "${differing[@]}" >&2
    exit 1
fi
echo "every C++ source is formatted"
