#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or a private Xvfb screen.
# With WINEPREFIX set, it also sets that prefix's X11 driver for the display
# (prepare-prefix.sh): the caller's desktop has a window manager, which
# keeps Wine's top-level windows (managed); the private screen has none, so
# Wine keeps them itself (unmanaged) instead of waiting up to 2 s for a
# window manager each time one is hidden.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
windows() {
    if [ -n "${WINEPREFIX:-}" ]; then
        bash "$here/prepare-prefix.sh" "$WINEPREFIX" "$1"
    fi
}
if [ -n "${DISPLAY:-}" ] && [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then
    windows managed
    exec "$@"
fi
fifo=$(mktemp -u)
mkfifo "$fifo"
# Xvfb picks a free display number itself and writes it to the pipe.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r disp <"$fifo"
export DISPLAY=":$disp"
windows unmanaged
"$@"
