#!/usr/bin/env bash
# An output directory that cannot be written (read-only mount, another user's directory, a
# full disk) makes the conversion fail with the file named and the previous files unchanged.
# Needs root to mount; skipped (status 77) otherwise.
#   unwritable_output_test.sh VELORIN_CLI EXAMPLE_GBK_TXT
set -u
cli=$1
example=$2
[ "$(id -u)" -eq 0 ] || { echo "needs root"; exit 77; }
work=$(mktemp -d)
mounts=()
cleanup() {
    for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

# Earlier files from a smaller input; the example then has to replace them.
head -n 14 "$example" >"$work/small.txt"
LC_ALL=C "$cli" convert "$work/small.txt" "$work/expected" >/dev/null || { echo "setup failed"; exit 1; }

# Read-only mount.
mkdir -p "$work/ro"
cp -r "$work/expected/." "$work/ro/"
if mount --bind "$work/ro" "$work/ro" && mount -o remount,bind,ro "$work/ro"; then
    mounts+=("$work/ro")
    LC_ALL=C "$cli" convert "$example" "$work/ro" >"$work/ro.log"
    check "read-only: exit status" test $? -eq 1
    check "read-only: file named" grep -q "$work/ro/s.d" "$work/ro.log"
    check "read-only: no success" bash -c "! grep -q 大功告成 '$work/ro.log'"
    check "read-only: files unchanged" same_files "$work/expected" "$work/ro"
else
    echo "cannot mount read-only here; skipping that part"
fi

# A directory of root's that another user may not write.
if id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null; then
    mkdir -p "$work/owned"
    cp -r "$work/expected/." "$work/owned/"
    chmod 755 "$work" "$work/owned"
    chmod 644 "$work/owned/"*
    chmod 644 "$example" 2>/dev/null
    cp "$example" "$work/example.txt"
    chmod 644 "$work/example.txt"
    setpriv --reuid=nobody --regid=nogroup --clear-groups env LC_ALL=C "$cli" convert "$work/example.txt" "$work/owned" >"$work/owned.log"
    check "other user: exit status" test $? -eq 1
    check "other user: file named" grep -q "Permission denied" "$work/owned.log"
    check "other user: files unchanged" same_files "$work/expected" "$work/owned"
    check "other user: no temporaries" only_five_files "$work/owned"
fi

# A disk that fills up while the files are written: room for the earlier files and a little more.
mkdir -p "$work/full"
if mount -t tmpfs -o size=64k tmpfs "$work/full"; then
    mounts+=("$work/full")
    cp -r "$work/expected/." "$work/full/"
    # Fill the disk; tmpfs counts whole pages, so this leaves room for one small file only.
    head -c $(( $(df --output=avail -B1 "$work/full" | tail -1) - 6000 )) /dev/zero >"$work/full/filler" 2>/dev/null
    LC_ALL=C "$cli" convert "$example" "$work/full" >"$work/full.log"
    check "disk full: exit status" test $? -eq 1
    check "disk full: reason given" grep -q "No space left on device" "$work/full.log"
    rm -f "$work/full/filler"
    check "disk full: files unchanged" same_files "$work/expected" "$work/full"
    check "disk full: no temporaries" only_five_files "$work/full"
    # A dumped text that does not fit leaves the earlier dump as it was. Written in place, it
    # would get the earlier one's page and be cut short after it; three times the example
    # city takes more than a page.
    awk '{print} /^\[datasection\]/ {d = 1; next} d && NF {print "a" $0; print "b" $0}' \
        "$example" >"$work/three.txt"
    LC_ALL=C "$cli" convert "$work/three.txt" "$work/three" >/dev/null
    echo earlier >"$work/full/dump.txt"
    cat /dev/zero >"$work/full/filler" 2>/dev/null
    LC_ALL=C "$cli" dump "$work/three" -o "$work/full/dump.txt" >"$work/dump.log" 2>&1
    check "disk full: dump exit status" test $? -eq 1
    check "disk full: dump reason given" grep -q "No space left on device" "$work/dump.log"
    check "disk full: earlier dump kept" test "$(cat "$work/full/dump.txt")" = earlier
    check "disk full: no dump temporary" test ! -e "$work/full/dump.txt.velorin-new"
else
    echo "cannot mount tmpfs here; skipping that part"
fi

report_checks
