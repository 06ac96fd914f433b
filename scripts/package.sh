#!/usr/bin/env bash
# Builds the Windows programs and writes the release for Windows users,
# dist/velorin-VERSION-win64.zip. It holds one folder, velorin-VERSION/, with velorin.exe,
# velorin-cli.exe, the example city and the user guide: what a Windows user reads.
#   scripts/package.sh [BUILD_DIR [DIST_DIR]]     (defaults: build/release and dist)
# The same commit gives the same bytes: the programs carry no link time, and every entry of
# the zip has the commit's time, fixed permissions and its place in byte order.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source_dir=$PWD
build=$(realpath -m "${1:-build/release}")
dist=$(realpath -m "${2:-dist}")

bash scripts/setup.sh package >&2
cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target velorin velorin-cli -j "$(nproc)" >/dev/null

version=$(sed -n 's/^#define VELORIN_VERSION "\(.*\)"$/\1/p' "$build/res/Version.h")
[ -n "$version" ] || { echo "no version in $build/res/Version.h" >&2; exit 1; }
name=velorin-$version

# The zip stores local times; the commit's time read in UTC is the same on every machine.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || true)}
epoch=${epoch:-315532800}  # outside a git checkout: 1980-01-01, the earliest time a zip holds
export TZ=UTC

stage=$build/package
rm -rf "$stage"
mkdir -p "$stage/$name/examples" "$dist"
cp "$build/app/velorin.exe" "$build/cli/velorin-cli.exe" "$stage/$name/"
# Notepad of older Windows shows a text only with CR LF line ends; the converter reads both.
sed 's/$/\r/' examples/yunxi.txt >"$stage/$name/examples/yunxi.txt"
# The guide is UTF-8 Markdown in the repository; Windows users get plain GBK text with CR LF,
# its headings without their "#" marks.
iconv -f UTF-8 -t GBK docs/guide.md | sed -E 's/^#+ //; s/$/\r/' >"$stage/$name/guide.txt"

find "$stage/$name" -type d -exec chmod 755 {} +
find "$stage/$name" -type f -exec chmod 644 {} +
chmod 755 "$stage/$name"/*.exe
find "$stage/$name" -exec touch -h -d "@$epoch" {} +

zip_file=$dist/$name-win64.zip
rm -f "$zip_file"
# -X leaves out the owner and the extra time fields; names come in byte order.
(cd "$stage" && find "$name" | LC_ALL=C sort | zip -X -q -@ "$zip_file")
echo "$zip_file"
