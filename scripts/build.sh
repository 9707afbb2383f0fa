#!/usr/bin/env bash
# Configures and builds the whole tree into $BUILD_DIR (default: build/),
# and makes the program's private Wine prefix once (wineprefix, that of
# run.sh and wine-run.sh); test.sh makes the tests' own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

build=${BUILD_DIR:-$root/build}
jobs=${JOBS:-$(nproc)}
# Configure every time: a new optional source-list fragment is not a file
# CMake watches, and configuring an existing tree takes a second.
# ccache, when installed, lets a second build tree reuse compiled objects.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j "$jobs" ${BUILD_TARGET:+--target $BUILD_TARGET}

bash "$root/scripts/prepare-prefix.sh" "$build/wineprefix"
