#!/usr/bin/env bash
# Serial-port test harness: a connected pair of pseudo-terminals (socat) whose
# ends are linked as COM ports into a Wine prefix.
#
#   comport.sh start DIR COM_A [COM_B]      start the pair, link its ends
#   comport.sh stop DIR                     end the pair, remove the links
#   comport.sh run DIR COM_A [COM_B] -- CMD...
#                                           start, run CMD with the pair, stop
#
# COM_A (and COM_B) are port numbers (41 means COM41). End A of the pair is
# linked as COM_A; end B is linked as COM_B when given, and is always
# reachable as the Linux path DIR/unitB for a simulated unit running natively.
# WINEPREFIX names the prefix (default: the program's, build/wineprefix; the
# tests' fixtures name the tests' own).
#
# "run" exports for CMD:
#   QV_TEST_COM=COM_A  QV_TEST_PEER_COM=COM_B (or empty)  QV_TEST_PEER_PTY=DIR/unitB
# The test fixture tests/support/ComPortPair.h reads these.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix=${WINEPREFIX:-$(cd "$here/../.." && pwd)/build/wineprefix}

die() { echo "comport: $*" >&2; exit 1; }

check_number() {
    [[ "$1" =~ ^[0-9]+$ ]] && [ "$1" -ge 1 ] && [ "$1" -le 128 ] ||
        die "COM number must be 1..128, not '$1'"
}

# Ends a process of ours named in a pid file (only if it still runs that
# program), then removes the file.
end_processes() {
    local file=$1 program=$2 pid
    [ -f "$file" ] || return 0
    while read -r pid; do
        if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = "$program" ]; then
            kill "$pid" 2>/dev/null || true
            # Gone, or a zombie that only its parent can still reap.
            for _ in $(seq 50); do
                case "$(cut -d' ' -f3 /proc/"$pid"/stat 2>/dev/null)" in
                    "" | Z) break ;;
                esac
                sleep 0.1
            done
        fi
    done <"$file"
    rm -f "$file"
}

# Ends the socat of DIR, if it is still ours, and removes the links it made.
stop_pair() {
    local dir=$1
    end_processes "$dir/holders.pid" sleep
    end_processes "$dir/socat.pid" socat
    if [ -f "$dir/links" ]; then
        local link
        while read -r link; do
            # Only a link that still points into DIR is ours to remove.
            case "$(readlink "$link" 2>/dev/null)" in
                "$dir"/*) rm -f "$link" ;;
            esac
        done <"$dir/links"
        rm -f "$dir/links"
    fi
    rm -f "$dir/unitA" "$dir/unitB"
}

# Dies unless COM$2 is free for DIR: unlinked, linked into DIR, or linked to
# a pair that has ended (the link dangles).
check_free() {
    local dir=$1 com=$2
    local link="$prefix/dosdevices/com$com"
    if [ -e "$link" ]; then
        case "$(readlink "$link")" in
            "$dir"/*) ;;
            *) die "COM$com is already taken in $prefix ($(readlink "$link"))" ;;
        esac
    fi
}

link_port() {
    local dir=$1 com=$2 end=$3
    local link="$prefix/dosdevices/com$com"
    ln -sfn "$dir/$end" "$link"
    echo "$link" >>"$dir/links"
}

start_pair() {
    local dir=$1 com_a=$2 com_b=${3:-}
    check_number "$com_a"
    [ -z "$com_b" ] || check_number "$com_b"
    [ -d "$prefix/dosdevices" ] || die "no Wine prefix at $prefix (build first)"
    command -v socat >/dev/null || die "socat is not installed (scripts/setup.sh)"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    check_free "$dir" "$com_a"
    [ -z "$com_b" ] || check_free "$dir" "$com_b"
    stop_pair "$dir"

    # Raw, no echo: bytes pass unchanged in both directions. The pair survives
    # either end being closed and opened again, so each test may reopen it.
    setsid socat pty,raw,echo=0,link="$dir/unitA" pty,raw,echo=0,link="$dir/unitB" \
        </dev/null >"$dir/socat.log" 2>&1 &
    echo $! >"$dir/socat.pid"
    disown $! 2>/dev/null || true
    for _ in $(seq 50); do
        [ -e "$dir/unitA" ] && [ -e "$dir/unitB" ] && break
        sleep 0.1
    done
    if ! [ -e "$dir/unitA" ] || ! [ -e "$dir/unitB" ]; then
        stop_pair "$dir"
        die "socat did not create the pseudo-terminals (see $dir/socat.log)"
    fi
    # Each end becomes the controlling terminal of a small holder process of
    # its own. Otherwise the first process to open it without O_NOCTTY while
    # leading a session takes it: that is the wineserver, which then receives
    # the hang-up when the pair ends (and dumps its state on SIGHUP).
    local end
    for end in unitA unitB; do
        setsid sh -c 'exec sleep 2147483647 <"$0"' "$dir/$end" </dev/null >/dev/null 2>&1 &
        echo $! >>"$dir/holders.pid"
        disown $! 2>/dev/null || true
    done
    : >"$dir/links"
    link_port "$dir" "$com_a" unitA
    [ -z "$com_b" ] || link_port "$dir" "$com_b" unitB
    echo "COM$com_a <-> ${com_b:+COM$com_b / }$dir/unitB"
}

cmd=${1:-}
case "$cmd" in
    start)
        [ $# -ge 3 ] || die "usage: comport.sh start DIR COM_A [COM_B]"
        start_pair "$2" "$3" "${4:-}"
        ;;
    stop)
        [ $# -eq 2 ] || die "usage: comport.sh stop DIR"
        [ -d "$2" ] && stop_pair "$(cd "$2" && pwd)"
        ;;
    run)
        [ $# -ge 5 ] || die "usage: comport.sh run DIR COM_A [COM_B] -- CMD..."
        dir=$2 com_a=$3 com_b=""
        shift 3
        if [ "$1" != "--" ]; then com_b=$1; shift; fi
        [ "${1:-}" = "--" ] || die "usage: comport.sh run DIR COM_A [COM_B] -- CMD..."
        shift
        start_pair "$dir" "$com_a" "$com_b" >/dev/null
        dir=$(cd "$dir" && pwd)
        trap 'stop_pair "$dir"' EXIT
        rc=0
        QV_TEST_COM=$com_a QV_TEST_PEER_COM=$com_b QV_TEST_PEER_PTY=$dir/unitB "$@" || rc=$?
        exit $rc
        ;;
    *)
        die "usage: comport.sh start|stop|run ..."
        ;;
esac
