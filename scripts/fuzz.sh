#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the fuzz preset) and runs each for a bounded time,
# starting from a seed corpus of random databases, the examples and the inputs that once made
# a target fail. Fails on any crash, sanitizer report, leak or time-out.
#   scripts/fuzz.sh [SECONDS [TARGET...]]   seconds per target (default 60); targets: load
#                                           parse check csv zip import (default all six)
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob

seconds="${1:-60}"
shift || true
targets=(load parse check csv zip import)
[ $# -eq 0 ] || targets=("$@")

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

# Symbolised stack traces in the sanitizers' reports.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

bin=build/fuzz/fuzz
work=build/fuzz/run
rm -rf "$work/seeds"
# load and check read the same inputs: the data files of a database.
mkdir -p "$work/seeds/files" "$work/seeds/parse" "$work/artifacts"
"$bin/velorin_fuzz_seeds" "$work/seeds/files" "$work/seeds/parse" 300 examples/*.txt
# The feed fuzzers grow from a small feed of every file.
mkdir -p "$work/seeds/import" "$work/seeds/csv" "$work/seeds/zip"
"$bin/velorin_feed_seeds" "$work/seeds/import" "$work/seeds/csv" "$work/seeds/zip"

for target in "${targets[@]}"; do
    case "$target" in
        load | check) seeds="$work/seeds/files" ;;
        *) seeds="$work/seeds/$target" ;;
    esac
    corpora=("$work/corpus/$target" "$seeds")
    [ -d "fuzz/regressions/$target" ] && corpora+=("fuzz/regressions/$target")
    mkdir -p "$work/corpus/$target"
    echo "fuzzing $target for ${seconds}s"
    set +e
    "$bin/velorin_${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$target-" "${corpora[@]}" \
        >"$work/$target.log" 2>&1
    status=$?
    set -e
    # The progress lines are many; the summary, the statistics and any report are kept.
    grep -v -E -e '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' -e '^"' "$work/$target.log" |
        tail -n 60
    if [ "$status" -ne 0 ]; then
        echo "fuzz.sh: the $target fuzzer failed (exit $status); inputs are in $work/artifacts" >&2
        exit 1
    fi
done
echo "fuzz.sh: no crash in ${targets[*]}"
