#!/usr/bin/env bash
# Makes the build's private Wine prefix once, and sets it up for tests.
# Usage: prepare-prefix.sh PREFIX [managed|unmanaged]
# The second argument sets how the prefix's X11 driver treats top-level
# windows: "managed" hands them to the display's window manager (Wine's
# default, for a desktop); "unmanaged" keeps them with Wine, for a display
# without a window manager, where Wine would otherwise wait up to 2 s for
# one each time a window is hidden (a closed dialog, the end of a program).
set -euo pipefail
export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
windows=${2:-}
marker="$WINEPREFIX/.prepared-3"

if [ ! -f "$marker" ]; then
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
    # Wine draws caption buttons with its symbol font Marlett (package
    # fonts-wine). The 32-bit Wine here does not look in the folder the
    # package fills, but it does load the fonts of the prefix's own Fonts folder.
    fonts=$(wine winepath -u 'C:\windows\Fonts' 2>/dev/null || true)
    if [ -n "$fonts" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts"
        cp -f /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    wineserver -w
    touch "$marker"
fi

# The registry is only written when the setting changes: the file beside it
# remembers the last one.
windows_file="$WINEPREFIX/.x11-windows"
if [ -n "$windows" ] && [ "$(cat "$windows_file" 2>/dev/null)" != "$windows" ]; then
    key='HKCU\Software\Wine\X11 Driver'
    case "$windows" in
        unmanaged) wine reg add "$key" /v Managed /d N /f >/dev/null 2>&1 ;;
        managed) wine reg delete "$key" /v Managed /f >/dev/null 2>&1 || true ;;
        *) echo "prepare-prefix.sh: managed or unmanaged, not $windows" >&2; exit 2 ;;
    esac
    wineserver -w
    echo "$windows" >"$windows_file"
fi
