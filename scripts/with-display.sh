#!/usr/bin/env bash
# Runs a command with an X display: the caller's (DISPLAY), or a private
# Xvfb screen when DISPLAY names none that answers.
#   with-display.sh CMD...             the caller's display, else a private one
#                                      (run.sh: the program on the user's screen)
#   with-display.sh --private CMD...   always a private screen, whatever DISPLAY
#                                      says (test.sh: the tests' windows and
#                                      input stay off the user's screen)
#   with-display.sh --desktop CMD...   always a private screen, with the window
#                                      manager openbox on it, standing in for a
#                                      user's desktop
# With WINEPREFIX set, it also sets that prefix's X11 driver for the display
# (prepare-prefix.sh), from whether a window manager runs there: one that
# says so on the root window (_NET_SUPPORTING_WM_CHECK) keeps Wine's
# top-level windows (managed); without one Wine keeps them itself
# (unmanaged) instead of waiting up to 2 s for a window manager each time one
# is hidden. The choice is said once on standard error.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The screen asked for: the caller's (caller), a private one (private), or a
# private one with a window manager (desktop).
screen=caller
case "${1:-}" in
    --private) screen=private; shift ;;
    --desktop) screen=desktop; shift ;;
esac

# Whether DISPLAY names a screen that answers.
display_answers() {
    [ -n "${DISPLAY:-}" ] || return 1
    if command -v xprop >/dev/null; then
        xprop -root -display "$DISPLAY" _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
    else
        local screen=${DISPLAY#*:}
        [ -e "/tmp/.X11-unix/X${screen%%.*}" ]
    fi
}

# The name of the window manager running on DISPLAY; fails when none says
# so. A compliant manager names a window of its own on the root window, and
# that window names itself again (a manager that ended may leave the root's
# property behind, but not its window).
window_manager() {
    local check again name
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-fA-F]*\).*/\1/p')
    [ -n "$check" ] || return 1
    again=$(xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-fA-F]*\).*/\1/p')
    [ "$again" = "$check" ] || return 1
    name=$(xprop -id "$check" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')
    echo "${name:-a window manager}"
}

# Chooses managed or unmanaged windows for DISPLAY, says so, and sets the
# prefix when there is one.
choose_windows() {
    local windows manager
    if ! command -v xprop >/dev/null; then
        windows=managed
        echo "with-display.sh: xprop (package x11-utils) is missing, so no window manager can be looked for" \
            "on $DISPLAY: Wine's windows are managed" >&2
    elif manager=$(window_manager); then
        windows=managed
        echo "with-display.sh: $manager manages $DISPLAY: Wine's windows are managed" >&2
    else
        windows=unmanaged
        echo "with-display.sh: no window manager on $DISPLAY: Wine keeps its windows itself (unmanaged)" >&2
    fi
    if [ -n "${WINEPREFIX:-}" ]; then
        bash "$here/prepare-prefix.sh" "$WINEPREFIX" "$windows"
    fi
}

if [ $screen = caller ] && display_answers; then
    choose_windows
    exec "$@"
fi

pids=()
fifo=$(mktemp -u)
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -f "$fifo"' EXIT
mkfifo "$fifo"
# Xvfb picks a free display number itself and writes it to the pipe.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
pids+=($!)
read -r disp <"$fifo"
export DISPLAY=":$disp"
if [ $screen = desktop ]; then
    # Its own output goes nowhere: a caller that reads ours (ctest) would
    # otherwise wait for it to end.
    openbox --sm-disable >/dev/null 2>&1 </dev/null &
    pids=("$!" "${pids[@]}")
    for _ in $(seq 100); do
        window_manager >/dev/null && break
        sleep 0.1
    done
fi
choose_windows
"$@"
