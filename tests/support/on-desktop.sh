#!/usr/bin/env bash
# Runs a test program as on a user's desktop: on a private screen with a
# window manager (with-display.sh --desktop), in a Wine prefix of its own
# whose windows the window manager keeps (made on the first run), under a
# wineserver of its own, so that it runs beside tests on the shared test
# display without either taking the other's focus.
#
#   on-desktop.sh PREFIX [--comports DIR COM_A COM_B [COM_C COM_D]] -- PROGRAM [ARGS...]
#
# PROGRAM runs under Wine; with --comports it gets a COM pair in its prefix
# (tools/comport/comport.sh run), and with four numbers a second pair that
# it finds as QV_TEST_COM2 and QV_TEST_PEER_COM2.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

mkdir -p "$1"
export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}" \
       WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
shift
run=()
if [ "${1:-}" = "--comports" ]; then
    comport=(bash "$root/tools/comport/comport.sh" run)
    first=("$2" "$3" "$4")
    shift 4
    if [ "${1:-}" != "--" ]; then
        # The second pair is made first and handed on under its own names.
        run=("${comport[@]}" "${first[0]}_2" "$1" "$2" -- bash -c \
             'export QV_TEST_COM2=$QV_TEST_COM QV_TEST_PEER_COM2=$QV_TEST_PEER_COM; exec "$@"' second)
        shift 2
    fi
    run+=("${comport[@]}" "${first[@]}" --)
fi
[ "${1:-}" = "--" ] || { echo "on-desktop.sh: PREFIX [--comports DIR COM_A COM_B [COM_C COM_D]] -- PROGRAM..." >&2; exit 2; }
shift
run+=(wine "$@")

# Wine's helper processes start detached from the caller's output (ctest
# would wait for them), under a wineserver that stays for the whole run.
exec bash "$root/scripts/with-display.sh" --desktop bash -c '
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    rc=0
    "$@" || rc=$?
    wineserver -k >/dev/null 2>&1 || true
    exit $rc' on-desktop.sh "${run[@]}"
