#!/usr/bin/env bash
# Starts velorin.exe under Wine on a Linux desktop (the user's own display and Wine prefix),
# with the Chinese ANSI code page the program's texts need.
#   scripts/run-velorin.sh [path/to/velorin.exe]     (default: the windows preset's build)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${1:-$here/../build/windows/app/velorin.exe}
if [ ! -f "$exe" ]; then
    echo "$exe not found; build it with: cmake --preset windows && cmake --build --preset windows" >&2
    exit 1
fi
# shellcheck disable=SC1091
source "$here/wine-env.sh"
exec wine "$exe"
