#!/usr/bin/env bash
# Configures and builds the program, the tests and the benchmarks.
set -eu
. "$(dirname "$(readlink -f "$0")")/env.sh"
cmake -S "$BOSSKEY_ROOT" -B "$BOSSKEY_BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$BOSSKEY_ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE="${BOSSKEY_BUILD_TYPE:-Release}" >/dev/null
cmake --build "$BOSSKEY_BUILD" -j "$(nproc)" -- --no-print-directory
