#!/usr/bin/env bash
# with-display.sh chooses managed or unmanaged Wine windows from whether a
# window manager runs on the display, whoever's display it is: on an Xvfb
# given through DISPLAY without a window manager Wine keeps its windows
# itself (override-redirect, no frame of a window manager), with openbox
# running there openbox frames them; --desktop brings its own openbox, and
# --private (the test command's) a screen of its own without one, even where
# DISPLAY names a screen that answers. Each run says its choice once on
# standard error, and a change of mode names the programs that run in the
# prefix meanwhile instead of waiting for them.
# Usage: with-display-test.sh PREFIX   (a Wine prefix of its own, made once)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
with_display="$here/../../scripts/with-display.sh"
mkdir -p "$1"
export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
pids=()
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# Wine's Notepad on the display with-display.sh chose; prints how its frame
# window stands there ("managed" or "unmanaged") and keeps what
# with-display.sh said in $work/said.
notepad_window() {
    rm -f "$work/display" "$work/ready"
    local began=$SECONDS
    "$with_display" "$@" bash -c 'echo "$DISPLAY" >"$0/display"; exec wine notepad' "$work" \
        2>"$work/said" >/dev/null </dev/null &
    local runner=$! id="" shown=""
    # A loaded machine starts Notepad slowly: the wait is long, and the time
    # the script itself took (until it ran the command) is kept apart.
    while [ $((SECONDS - began)) -lt 180 ]; do
        if [ -s "$work/display" ]; then
            [ -e "$work/ready" ] || echo $((SECONDS - began)) >"$work/ready"
            id=$(DISPLAY=$(cat "$work/display") xwininfo -root -tree 2>/dev/null |
                sed -n 's/^ *\(0x[0-9a-f]*\) "Untitled - Notepad".*/\1/p' | head -n 1)
            [ -n "$id" ] && break
        fi
        sleep 0.1
    done
    if [ -n "$id" ]; then
        shown=$(DISPLAY=$(cat "$work/display") xwininfo -id "$id" -stats | sed -n 's/^ *Override Redirect State: //p')
    fi
    wineserver -k >/dev/null 2>&1 || true
    wait "$runner" 2>/dev/null || true
    case "$shown" in
        yes) echo unmanaged ;;
        no) echo managed ;;
        *) echo "no window" ;;
    esac
}

# One line on standard error, naming the choice.
said_once() {
    local lines
    lines=$(grep -c 'with-display.sh:' "$work/said" || true)
    [ "$lines" = 1 ] && grep -q "$1" "$work/said"
}

# The prefix is made (on a private screen) before anything is measured.
"$with_display" true >/dev/null 2>&1

fifo="$work/fifo"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
pids+=($!)
read -r disp <"$fifo"
export DISPLAY=":$disp"

got=$(notepad_window)
[ "$got" = unmanaged ] || fail "an Xvfb without a window manager gave a window that is $got"
said_once "no window manager on $DISPLAY" || fail "without a window manager it said: $(cat "$work/said")"

openbox --sm-disable >/dev/null 2>&1 </dev/null &
pids=("$!" "${pids[@]}")
began=$SECONDS
while [ $((SECONDS - began)) -lt 60 ]; do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
got=$(notepad_window)
[ "$got" = managed ] || fail "the Xvfb with openbox running gave a window that is $got"
said_once "Openbox manages $DISPLAY" || fail "with openbox it said: $(cat "$work/said")"

# --private leaves the screen DISPLAY names, openbox and all, for one of its own.
got=$(notepad_window --private)
[ "$got" = unmanaged ] || fail "--private gave a window that is $got"
[ "$(cat "$work/display" 2>/dev/null)" != "$DISPLAY" ] || fail "--private ran on the caller's display $DISPLAY"
said_once "no window manager" || fail "with --private it said: $(cat "$work/said")"

got=$(notepad_window --desktop)
[ "$got" = managed ] || fail "--desktop gave a window that is $got"
said_once "Openbox manages" || fail "with --desktop it said: $(cat "$work/said")"

# A program that still runs in the prefix (here a Notepad on the openbox
# screen) does not hold up the change of mode: it is named, nothing waits for
# it, and the program started next gets the new mode.
DISPLAY=":$disp" wine notepad >/dev/null 2>&1 </dev/null &
pids+=($!)
began=$SECONDS
while [ $((SECONDS - began)) -lt 180 ]; do
    DISPLAY=":$disp" xwininfo -root -tree 2>/dev/null | grep -q '"Untitled - Notepad"' && break
    sleep 0.1
done
unset DISPLAY
got=$(notepad_window)
[ "$got" = unmanaged ] || fail "without DISPLAY the private screen gave a window that is $got"
said_once "no window manager" || fail "on its private screen it said: $(cat "$work/said")"
grep -q 'not waiting for the programs that run in .*: notepad.exe (process [0-9]*)' "$work/said" ||
    fail "the Notepad holding the prefix was not named: $(cat "$work/said")"
# Waiting for the Notepad would never end; the change itself takes seconds.
ready=$(cat "$work/ready" 2>/dev/null || echo never)
[ "$ready" != never ] && [ "$ready" -le 60 ] || fail "the change of mode took $ready s beside a running Notepad"

[ $failures -eq 0 ] && echo "with-display.sh: all cases passed"
exit $((failures > 0))
