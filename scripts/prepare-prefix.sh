#!/usr/bin/env bash
# Makes a private Wine prefix of the build once (the program's, the tests' or
# a desktop run's) and sets it up for its programs and tests.
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
# Longest wait, in seconds, for the prefix's programs to end.
settle_seconds=5

# The Windows programs that run in the prefix, apart from the helpers Wine
# starts and ends itself: "NAME (process PID)", one a line.
prefix_programs() {
    local own environ pid prefix exe name
    own=$(realpath -m "$WINEPREFIX")
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        prefix=$(tr '\0' '\n' 2>/dev/null <"$environ" | sed -n 's/^WINEPREFIX=//p' | head -n 1) || continue
        [ -n "$prefix" ] && [ "$(realpath -m "$prefix")" = "$own" ] || continue
        exe=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline" | head -n 1) || continue
        name=${exe##*[\\/]}
        case "${name,,}" in
            services.exe | winedevice.exe | plugplay.exe | explorer.exe | svchost.exe | rpcss.exe | \
            conhost.exe | wineboot.exe | winemenubuilder.exe | reg.exe | start.exe) ;;
            *.exe) echo "$name (process $pid)" ;;
        esac
    done
}

# Lets the prefix's wineserver end, so that what was written is on the disk;
# why ($1) is said when other programs keep it running. It never waits
# longer than settle_seconds: the wineserver keeps every change for the
# programs started next, whether it ends or not.
settle() {
    local others
    others=$(prefix_programs | paste -sd, - | sed 's/,/, /g')
    if [ -n "$others" ]; then
        echo "prepare-prefix.sh: $1; not waiting for the programs that run in $WINEPREFIX: $others" >&2
        return 0
    fi
    if ! timeout "$settle_seconds" wineserver -w; then
        echo "prepare-prefix.sh: $1; the prefix $WINEPREFIX did not close within $settle_seconds s, going on" >&2
    fi
}

if [ ! -f "$marker" ]; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "build: creating the Wine prefix in $WINEPREFIX"
        wineboot --init >/dev/null 2>&1 || true
        settle "the new prefix is set up"
    fi

    # A program that crashes ends at once, with its exception's code as its
    # exit code, instead of waiting in a debugger: no debugger answers for it,
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
    settle "the prefix is prepared"
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
    settle "Wine's windows are $windows for the programs started from now on"
    echo "$windows" >"$windows_file"
fi
