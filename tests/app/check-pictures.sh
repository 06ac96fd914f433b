#!/usr/bin/env bash
# The pictures in res/ are exactly what res/make-images.py draws.
set -euo pipefail
res=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../res" && pwd)
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
# The system's Python carries Pillow (python3-pil).
/usr/bin/python3 "$res/make-images.py" "$fresh"
status=0
for picture in background.bmp velorin.ico about.ico; do
    if cmp -s "$fresh/$picture" "$res/$picture"; then
        echo "$picture: up to date"
    else
        echo "$picture: differs from what res/make-images.py draws" >&2
        status=1
    fi
done
exit "$status"
