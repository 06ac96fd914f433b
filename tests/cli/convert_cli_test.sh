#!/usr/bin/env bash
# Drives velorin-cli convert as a user would from a terminal.
#   convert_cli_test.sh VELORIN_CLI EXAMPLE_GBK_TXT VERSION
set -u
cli=$1
example=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

five_files() { [ "$(cd "$1" && ls | tr '\n' ' ')" = "readme.txt s.d s.i t.d t.i " ]; }

run() {  # run EXPECTED_STATUS ARGS...: runs the tool, output in $work/out.txt
    local expected=$1
    shift
    LC_ALL=C "$cli" "$@" >"$work/out.txt" 2>"$work/err.txt"
    local status=$?
    [ "$status" -eq "$expected" ] || { echo "  exit $status, expected $expected: $*"; cat "$work/err.txt"; return 1; }
}

# Usage and wrong command lines.
check "--help" run 0 --help
check "--help prints the commands" grep -q "convert 输入文件 输出目录" "$work/out.txt"
check "no command" run 2
check "--version" run 0 --version
check "--version prints the project's version" test "$(cat "$work/out.txt")" = "velorin-cli $version"
check "unknown command" run 2 frobnicate
check "unknown command named" grep -q "未知的命令: frobnicate" "$work/err.txt"
check "missing argument" run 2 convert "$example"
check "unknown option" run 2 convert --fast "$example" "$work/x"
check "bad encoding" run 2 convert --input-encoding latin1 "$example" "$work/x"
check "option without value" run 2 convert "$example" "$work/x" --input-encoding
check "option of another command" run 2 lint --input-encoding latin1 "$example"
check "option beside a dropped file" run 2 "$example" --json "$work/x.json"
mkdir -p "$work/cwd" && touch "$work/cwd/check"
check "a command named like a file here" bash -c "cd '$work/cwd' && '$cli' check >/dev/null 2>&1; test \$? = 2"

# A successful conversion, printed in UTF-8 to a terminal without a locale.
check "convert example" run 0 convert "$example" "$work/gbk"
check "five files" five_files "$work/gbk"
check "first message" grep -qxF "$(printf '[信息]:\t加载资源文件.')" "$work/out.txt"
check "last message" grep -qxF "$(printf '[信息]:\t大功告成')" "$work/out.txt"

# Under a limit on the address space too small for a heap reserve, the conversion still runs.
# (The sanitizers' shadow memory needs far more address space than any such limit.)
if ! ldd "$cli" 2>/dev/null | grep -q libasan; then
    check "convert under a 64 MB address space" bash -c \
        "ulimit -v 65536 && LC_ALL=C '$cli' convert '$example' '$work/small-space' >/dev/null 2>&1"
    check "same files under a 64 MB address space" diff -r "$work/gbk" "$work/small-space"
fi

# The same messages in GBK when asked.
check "gbk output" run 0 --output-encoding gbk convert "$example" "$work/gbk2"
check "gbk output bytes" grep -qxF "$(printf '[信息]:\t大功告成' | iconv -f utf-8 -t gbk)" "$work/out.txt"

# The example saved in each encoding Notepad offers gives the same files, and says which it read.
iconv -f gbk -t utf-8 "$example" >"$work/utf-8.txt"
printf '\xEF\xBB\xBF' | cat - "$work/utf-8.txt" >"$work/utf-8-bom.txt"
{ printf '\xFF\xFE'; iconv -f gbk -t utf-16le "$example"; } >"$work/utf-16le.txt"
{ printf '\xFE\xFF'; iconv -f gbk -t utf-16be "$example"; } >"$work/utf-16be.txt"
for encoding in utf-8 utf-8-bom utf-16le utf-16be; do
    check "$encoding input" run 0 convert "$work/$encoding.txt" "$work/$encoding"
    check "$encoding input gives the same files" same_files "$work/gbk" "$work/$encoding"
    check "$encoding named" grep -q "按UTF-.*编码读取" "$work/out.txt"
done
check "utf-8 forced" run 0 convert --input-encoding utf-8 "$work/utf-8-bom.txt" "$work/utf-8-forced"
check "utf-8 forced gives the same files" same_files "$work/gbk" "$work/utf-8-forced"
check "gbk forced reads the bytes as they are" run 1 convert --input-encoding gbk "$work/utf-16le.txt" "$work/gbk-forced"

# A character that GBK cannot hold is named with its line; nothing is written.
{ head -n 3 "$work/utf-8.txt"; printf '1,A,6:00,22:00,B,6:00,22:00,T,A-\xE0\xB8\x81-B,,\n'; } >"$work/thai.txt"
check "character without GBK form" run 1 convert "$work/thai.txt" "$work/thai"
check "names line and character" grep -q "第4行有GBK无法表示的字符U+0E01" "$work/out.txt"
check "nothing written" test ! -e "$work/thai"
printf '[datasection]\n1,A,a,b,B,c,d,T,A-\xC3-B\n' >"$work/bad-utf8.txt"
check "invalid utf-8" run 1 convert --input-encoding utf-8 "$work/bad-utf8.txt" "$work/bad"
check "invalid utf-8 named" grep -q "第2行不是有效的UTF-8" "$work/out.txt"

# A file without bus lines never replaces a city: exit 1, one error, the files as they were.
no_routes=$(printf '[错误]:\t输入文件里没有线路数据')
printf '' >"$work/empty.txt"
printf '[city]\n云溪\n[date]\n2026\n' >"$work/no-datasection.txt"
printf '[city]\n云溪\n[datasection]\n\nx\n' >"$work/header-only.txt"
printf '# 使用说明\n\n打开velorin.exe，选择输入文件。\n' | iconv -f utf-8 -t gbk >"$work/guide.txt"
for wrong in empty.txt no-datasection.txt header-only.txt guide.txt gbk/readme.txt; do
    cp -r "$work/gbk" "$work/city"
    check "$wrong fails" run 1 convert "$work/$wrong" "$work/city"
    check "$wrong leaves the city" same_files "$work/gbk" "$work/city"
    check "$wrong says why" test "$(grep -cF "$no_routes" "$work/out.txt")" -eq 1
    check "$wrong is no success" bash -c "! grep -q 大功告成 '$work/out.txt'"
    check "$wrong creates nothing" run 1 convert "$work/$wrong" "$work/never"
    check "$wrong created nothing" test ! -e "$work/never"
    rm -rf "$work/city"
done

# Failures of the conversion itself.
check "missing input" run 1 convert "$work/none.txt" "$work/none"
check "missing input reported" grep -qxF "$(printf '[错误]:\t[错误]输入文件没有找到.')" "$work/out.txt"
printf '[datasection]\r\n1,A,6:00,22:00,B,6:00,22:00,T,,,\r\n' >"$work/no-up.txt"
check "line without up stations" run 1 convert "$work/no-up.txt" "$work/no-up"
check "no files after a failed parse" test ! -e "$work/no-up"
check "missing parent directory" run 1 convert "$example" "$work/missing/out"
check "error names the file" grep -q "missing/out/s.d" "$work/out.txt"

# A directory where a file is expected takes the path of a missing file.
mkdir -p "$work/a-directory"
check "directory as input" run 1 convert "$work/a-directory" "$work/none"
check "directory as input reported" grep -qxF "$(printf '[错误]:\t[错误]输入文件没有找到.')" "$work/out.txt"
check "directory as utf-8 input" run 1 convert --input-encoding utf-8 "$work/a-directory" "$work/none"
for name in s.i readme.txt; do
    cp -r "$work/gbk" "$work/dir-$name"
    rm "$work/dir-$name/$name" && mkdir "$work/dir-$name/$name"
    check "check with $name a directory" run 1 check "$work/dir-$name"
    check "check names $name" grep -q "^$name" "$work/out.txt"
done
check "dump with s.i a directory" run 1 dump "$work/dir-s.i"
check "dump names s.i" grep -q "dir-s.i/s.i" "$work/err.txt"
check "dump with readme.txt a directory loads the rest" run 0 dump "$work/dir-readme.txt"

# A database without stations opens nothing, and dump says why in one line.
cp -r "$work/gbk" "$work/empty"
printf '\0\0' >"$work/empty/s.i"
check "dump of a database without stations" run 1 dump "$work/empty"
check "nothing written" test ! -s "$work/out.txt"
check "one line why" test "$(grep -c "empty/s.i" "$work/err.txt")" -eq 1 -a "$(wc -l <"$work/err.txt")" -eq 1

report_checks
