#!/usr/bin/env bash
# velorin-cli convert killed by strace at each rename, unlink and fsync of a save over an
# earlier database: check then finds exactly the earlier or exactly the new files, and no
# leftover. Skipped (status 77) without strace.
#   killed_save_test.sh VELORIN_CLI EXAMPLE_GBK_TXT
set -u
cli=$1
example=$2
command -v strace >/dev/null || { echo "strace is not installed; skipping"; exit 77; }
# LeakSanitizer cannot run under ptrace; the sanitized build still checks everything else.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
old_or_new() { same_files "$work/old" "$1" || same_files "$work/new" "$1"; }

head -n 14 "$example" >"$work/small.txt"
LC_ALL=C "$cli" convert "$work/small.txt" "$work/old" >/dev/null &&
    LC_ALL=C "$cli" convert "$example" "$work/new" >/dev/null || { echo "setup failed"; exit 1; }
cp -r "$work/old" "$work/db"
strace -f -o "$work/calls" -e trace=rename,unlink,fsync \
    env LC_ALL=C "$cli" convert "$example" "$work/db" >/dev/null || { echo "traced save failed"; exit 1; }

for call in rename unlink fsync; do
    count=$(grep -c " $call(" "$work/calls")
    check "the save makes $call calls" test "$count" -gt 0
    for ((n = 1; n <= count; n++)); do
        rm -rf "$work/db"
        cp -r "$work/old" "$work/db"
        # strace ends with the signal that killed the tool; its own shell keeps the notice quiet.
        bash -c 'strace -f -o /dev/null -e trace="$1" -e inject="$1":signal=SIGKILL:when="$2" \
            env LC_ALL=C "$3" convert "$4" "$5" >/dev/null 2>&1' - "$call" "$n" "$cli" "$example" "$work/db" 2>/dev/null
        check "killed at $call $n: the tool was killed" test $? -eq 137
        LC_ALL=C "$cli" check "$work/db" >"$work/check.txt" 2>&1
        check "killed at $call $n: check passes" test $? -eq 0
        check "killed at $call $n: the earlier or the new files" old_or_new "$work/db"
        check "killed at $call $n: no leftover" only_five_files "$work/db"
    done
done

report_checks
