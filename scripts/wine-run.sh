#!/usr/bin/env bash
# Runs a Windows program under Wine in the session that scripts/wine-session.sh prepared:
#   scripts/wine-run.sh SESSION_DIR PROGRAM.exe [ARGS...]
# ctest uses it as the emulator of every cross-compiled program. The program's exit code is
# passed on.
set -uo pipefail
session=${1:?usage: wine-run.sh SESSION_DIR PROGRAM [ARGS...]}
shift
if [ ! -f "$session/env" ]; then
    echo "No Wine session in $session: run the tests with ctest, whose wine_session fixture" \
        "starts one, or start it with scripts/wine-session.sh start $session" >&2
    exit 1
fi
# shellcheck disable=SC1091
source "$session/env"
exec wine "$@"
