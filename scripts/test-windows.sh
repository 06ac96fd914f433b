#!/usr/bin/env bash
# Builds velorin for Windows and runs every Windows test under Wine, from a fresh clone:
# the native velorin-cli (the reference for the data files), the cross build, then ctest,
# whose wine_session fixture starts its own Xvfb and a fresh Wine prefix.
#   scripts/test-windows.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh windows
cmake --preset native
cmake --build --preset native --target velorin-cli -j"$(nproc)"
cmake --preset windows
cmake --build --preset windows -j"$(nproc)"
ctest --preset windows "$@"
