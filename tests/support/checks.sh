# The checks of the shell tests, to be sourced. `check DESCRIPTION COMMAND...` runs the command and
# counts it as passed or failed; `report_checks`, the test's last command, prints the counts
# and fails when any check failed.
failures=0
passes=0

check() {
    local description=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}

report_checks() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# The five data files of two directories are the same bytes.
same_files() { for f in readme.txt s.i s.d t.i t.d; do cmp -s "$1/$f" "$2/$f" || return 1; done; }
# A directory holds the five data files and nothing else.
only_five_files() { [ "$(cd "$1" && ls -A | tr '\n' ' ')" = "readme.txt s.d s.i t.d t.i " ]; }
