#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or a private Xvfb screen.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then
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
"$@"
