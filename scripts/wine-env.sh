# Sourced by the Wine scripts: the environment every Wine run of velorin uses.
# ANSI code page 936 comes from the Chinese locale; no Mono/Gecko installer dialog may
# block a fresh prefix; Wine's debug output stays off.
export LC_ALL=zh_CN.UTF-8
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
