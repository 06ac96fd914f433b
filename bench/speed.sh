#!/usr/bin/env bash
# Prints the speed figures of the command-line converter and of the desktop application.
#   bench/speed.sh [CHENGDU_BUS_INFO_CSV]
set -euo pipefail
cd "$(dirname "$0")"
bash cli-speed.sh 100 "$@"
if [ -f gui-speed.sh ]; then
    bash gui-speed.sh "$@"
fi
