#!/usr/bin/env bash
# Builds what is missing and starts Quorvane Training under Wine: on the
# caller's X display, else on a private Xvfb screen. Arguments go to the
# program (for example -noregistry or -devel). BUILD_DIR chooses the build
# folder (default: build/); the program keeps its settings file beside
# itself there (build/bin/quorvane.cfg).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR="$build" BUILD_TARGET=quorvane bash "$root/scripts/build.sh"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} \
       WINEDLLOVERRIDES="mscoree,mshtml="
exec bash "$root/scripts/with-display.sh" wine "$build/bin/quorvane.exe" "$@"
