#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the command-line tool and converts the bundled
# example city into out/yunxi.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target velorin-cli -j "$(nproc)" >/dev/null
# The converter creates one directory level, as the desktop program does.
mkdir -p out
build/native/cli/velorin-cli convert examples/yunxi.txt out/yunxi
ls -l out/yunxi
