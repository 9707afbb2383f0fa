#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine on a private Xvfb screen of
# its own, whatever DISPLAY says: the tests' windows, clicks and keys never
# reach the user's screen.
# Extra arguments go to ctest (for example -R foundation, or -R '^chart_tests$'
# for that one entry).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
# The tests' own Wine prefix, that of the build's wine-test.sh, made and
# prepared as the program's is (with-display.sh): ending its wineserver at
# the end of the run ends no program, unit or COM port that run.sh or a user
# started in the program's prefix (build/wineprefix).
export WINEPREFIX="$build/test-prefix" WINEARCH=win32 WINEDEBUG=-all \
       WINEDLLOVERRIDES="mscoree,mshtml="
cd "$build"
# A real printer (CUPS with its PDF printer) for the printing tests.
bash "$root/scripts/start-printer.sh"
# Wine's helper processes (services, devices) must start detached from ctest's
# output pipes, or ctest waits for them after each test: start them first,
# under a wineserver that stays for the whole run.
bash "$root/scripts/with-display.sh" --private bash -c '
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    rc=0
    ctest --output-on-failure -j "${TEST_JOBS:-$(nproc)}" "$@" || rc=$?
    wineserver -k >/dev/null 2>&1 || true
    exit $rc' ctest "$@"
