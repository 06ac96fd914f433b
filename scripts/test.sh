#!/usr/bin/env bash
# Sets up a fresh Debian machine and runs every test: the formatting check, the native tests,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# with its tests under Wine in a private X display, the release zip (built twice, which must
# give the same bytes) with its programs under Wine, and a minute of fuzzing for each fuzz
# target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== formatting of the C++ sources"
bash scripts/check-format.sh

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

echo "== the release zip, twice from the same sources, and its programs under Wine"
zip_file=$(bash scripts/package.sh build/release dist)
rm -rf build/release-again
cmp "$zip_file" "$(bash scripts/package.sh build/release-again build/release-again/dist)"
version=$(sed -n 's/^#define VELORIN_VERSION "\(.*\)"$/\1/p' build/release/res/Version.h)
bash tests/package/package_test.sh "$zip_file" "$version" build/native/cli/velorin-cli \
    examples/yunxi.txt

echo "== fuzzing the loader, the parser and the checker, a minute each"
bash scripts/fuzz.sh 60
