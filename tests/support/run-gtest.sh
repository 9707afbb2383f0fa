#!/usr/bin/env bash
# Runs a GoogleTest program through the command that starts it (the build's
# Wine wrapper, a desktop run, a Windows 98 copy) and passes only when the
# program ran to its end:
#   - it exited with 0;
#   - gtest's closing summary is there, and the number of tests it says ran
#     equals the number it announced at the start;
#   - no test failed.
# A crash, an unhandled exception, an early exit or a hang past the time
# limit therefore fails, whatever exit code Wine gives the program, and the
# verdict names the test that was running.
#
#   run-gtest.sh [--time-limit SECONDS] COMMAND...
#
# The program's output passes through unchanged; the verdict is one line
# beginning "run-gtest.sh:".
set -uo pipefail

limit=0
if [ "${1:-}" = "--time-limit" ]; then
    limit=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "run-gtest.sh: [--time-limit SECONDS] COMMAND..." >&2; exit 2; }

log=$(mktemp)
trap 'rm -f "$log"' EXIT

# timeout runs the command in a process group of its own and stops all of it,
# so nothing the program started keeps running past the limit.
if [ "$limit" -gt 0 ]; then
    timeout --kill-after=10 "$limit" "$@" 2>&1 | tee "$log"
else
    "$@" 2>&1 | tee "$log"
fi
rc=${PIPESTATUS[0]}

# What the output says: tests announced, tests that ran to the summary,
# failures, and the last test started that never finished.
read -r announced ran failed unfinished < <(awk '
    function count(text,   n) { n = text; sub(/^[^0-9]*/, "", n); sub(/[^0-9].*$/, "", n); return n + 0 }
    { sub(/\r$/, "") }
    /\[==========\] Running [0-9]+ tests? from/ { announced = count(substr($0, index($0, "Running"))) }
    /\[==========\] [0-9]+ tests? from .* ran\./ { ran = count(substr($0, index($0, "]") + 1)) }
    /\[  FAILED  \] [0-9]+ tests?, listed below/ { failed = count(substr($0, index($0, "]") + 1)) }
    /\[ RUN      \] / { current = substr($0, index($0, "]") + 2); open = 1 }
    /\[       OK \] |\[  FAILED  \] [^ ]+ \(|\[  SKIPPED \] [^ ]+ \(/ { open = 0 }
    END {
        printf "%s %s %s %s\n", (announced == "" ? "-" : announced), (ran == "" ? "-" : ran),
               (failed == "" ? 0 : failed), (open ? current : "-")
    }' "$log")

during=""
[ "$unfinished" != "-" ] && during=" during the test $unfinished"
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ] && [ "$limit" -gt 0 ]; then
    echo "run-gtest.sh: FAILED: the program was stopped after its time limit of $limit s$during"
    exit 1
fi
if [ "$announced" = "-" ]; then
    echo "run-gtest.sh: FAILED: the program never announced its tests (exit code $rc)"
    exit 1
fi
if [ "$ran" = "-" ]; then
    echo "run-gtest.sh: FAILED: the program ended without its summary (exit code $rc)$during;" \
         "$announced tests were announced"
    exit 1
fi
if [ "$ran" != "$announced" ]; then
    echo "run-gtest.sh: FAILED: $ran of the $announced tests announced ran (exit code $rc)"
    exit 1
fi
if [ "$failed" -gt 0 ]; then
    echo "run-gtest.sh: FAILED: $failed of $ran tests failed"
    exit 1
fi
if [ "$rc" -ne 0 ]; then
    echo "run-gtest.sh: FAILED: all $ran tests ran, but the program ended with exit code $rc" \
         "(a crash after the last test?)"
    exit 1
fi
echo "run-gtest.sh: all $ran of $announced tests ran to the end, none failed"
