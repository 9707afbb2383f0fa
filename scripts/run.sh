#!/usr/bin/env bash
# Builds what is missing (the program and the simulated unit) and starts
# Quorvane Training under Wine: on the caller's X display, else on a private
# Xvfb screen, which it names once on standard error. Arguments go to the
# program (for example -noregistry or -devel). BUILD_DIR chooses the build
# folder (default: build/); the program keeps its settings file beside
# itself there (build/bin/quorvane.cfg).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR="$build" BUILD_TARGET="quorvane unitsim_console" bash "$root/scripts/build.sh"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} \
       WINEDLLOVERRIDES="mscoree,mshtml="
# The display differs from the caller's only when a private one was started.
exec bash "$root/scripts/with-display.sh" bash -c '
    [ "$DISPLAY" = "$1" ] || echo "run.sh: no X display here; the program runs on the private display $DISPLAY" \
        "(to look at it: DISPLAY=$DISPLAY import -window root shot.png)" >&2
    shift
    exec "$@"' run.sh "${DISPLAY:-}" wine "$build/bin/quorvane.exe" "$@"
