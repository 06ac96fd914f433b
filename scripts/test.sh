#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the native tests, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer.
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
