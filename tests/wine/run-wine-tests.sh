#!/usr/bin/env bash
# The registry contract tests built for Windows, run under Wine in a throwaway prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-wine}
case $build in /*) ;; *) build=$root/$build ;; esac

export WINEPREFIX
WINEPREFIX=$(mktemp -d -t carrowby-wine-XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= TMPDIR=$WINEPREFIX # wineserver's too
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

# Cross-compiled for 64-bit Windows with mingw-w64, linked statically, run by Wine.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCARROWBY_WITH_QT=OFF \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
    -DCMAKE_EXE_LINKER_FLAGS="-static -static-libgcc -static-libstdc++" >/dev/null
cmake --build "$build" -j "$(nproc)" --target registry_contract_tests carrowby_settings carrowby_rules

wineboot --init >/dev/null 2>&1 || true
wineserver -p 2>/dev/null || true  # keep one server for all the tests
cd "$build"
ctest --output-on-failure -j "$(nproc)"
