#!/usr/bin/env bash
# Installs the Debian packages velorin needs, only those that are missing.
#   scripts/setup.sh            everything: native build, Windows build under Wine, fuzzing
#   scripts/setup.sh native     only what the native build and its tests need
#   scripts/setup.sh package    only what scripts/package.sh needs
set -euo pipefail

native=(cmake g++ make googletest libgtest-dev python3 zlib1g-dev time strace nlohmann-json3-dev
        clang-format chromium)
windows=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 xvfb xauth fonts-wqy-microhei
         imagemagick locales python3-pil fonts-wine zip unzip xdotool libz-mingw-w64-dev)
release=(cmake make g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 zip libz-mingw-w64-dev
         nlohmann-json3-dev)
fuzz=(clang-14 libclang-rt-14-dev llvm-14)

case "${1:-all}" in
    native) wanted=("${native[@]}") ;;
    package) wanted=("${release[@]}") ;;
    windows) wanted=("${native[@]}" "${windows[@]}") ;;
    all) wanted=("${native[@]}" "${windows[@]}" "${fuzz[@]}") ;;
    *) echo "usage: $0 [native|package|windows|all]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine runs with a Chinese locale so that its ANSI code page is 936.
if [[ " ${wanted[*]} " == *" wine64 "* ]] && ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
