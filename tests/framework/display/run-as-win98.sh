#!/bin/sh
# Runs a copy of the framework test program with Wine's per-program Windows
# version set to Windows 98, so that the 8-bit window-system path runs for
# real; QV_WINDOWS_VERSION tells its tests which version they must see.
# Arguments: the test program, the tests' Wine wrapper, gtest options.
set -e
program=$1
wine_run=$2
shift 2
copy="$(dirname "$program")/framework_win98_tests.exe"
cp "$program" "$copy"
"$wine_run" reg add 'HKCU\Software\Wine\AppDefaults\framework_win98_tests.exe' /v Version /d win98 /f >/dev/null 2>&1
# The program's version test checks that it really sees Windows 98.
QV_WINDOWS_VERSION=98 exec "$wine_run" "$copy" "$@"
