#!/usr/bin/env bash
# Configures and builds the whole tree into $BUILD_DIR (default: build/),
# and makes the build's private Wine prefix once.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

build=${BUILD_DIR:-$root/build}
jobs=${JOBS:-$(nproc)}
# Configure every time: a new optional source-list fragment is not a file
# CMake watches, and configuring an existing tree takes a second.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j "$jobs" ${BUILD_TARGET:+--target $BUILD_TARGET}

bash "$root/scripts/prepare-prefix.sh" "$build/wineprefix"
