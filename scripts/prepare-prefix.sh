#!/usr/bin/env bash
# Makes the build's private Wine prefix once, and sets it up for tests.
# Usage: prepare-prefix.sh PREFIX
set -euo pipefail
export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
marker="$WINEPREFIX/.prepared-2"
[ -f "$marker" ] && exit 0

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "build: creating the Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
fi

# A program that crashes ends at once instead of waiting in the debugger,
# so a crashing test fails in seconds rather than at its time-out.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d "none" /f >/dev/null 2>&1
# Wine reads a program's own DLL overrides only when their key exists at its
# start; the framework tests switch ctl3d32.dll to a stand-in while running.
wine reg add 'HKCU\Software\Wine\AppDefaults\framework_tests.exe\DllOverrides' \
    /f >/dev/null 2>&1
wineserver -w
touch "$marker"
