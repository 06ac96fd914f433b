#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the native tests, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build with its tests under
# Wine in a private X display, and a minute of fuzzing for each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== native tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" >/dev/null
ctest --preset native -j "$jobs"

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize -j "$jobs" >/dev/null
ctest --preset native-sanitize -j "$jobs"

echo "== Windows build, its tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" >/dev/null
ctest --preset windows

echo "== fuzzing the loader, the parser and the checker, a minute each"
bash scripts/fuzz.sh 60
