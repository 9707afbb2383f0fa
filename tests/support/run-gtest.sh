#!/usr/bin/env bash
# Runs a GoogleTest program through the command that starts it (the build's
# Wine wrapper, a desktop run, a Windows 98 copy) and passes only when every
# test it announced ran to its own verdict:
#   - it announced at least one test;
#   - every test that started reached its own "OK", "FAILED" or "SKIPPED"
#     line, whatever the program printed after it (a summary of a test's own
#     making does not count);
#   - the verdicts and gtest's closing summary both number the tests
#     announced, and none failed;
#   - every skipped test is one the entry allows to be skipped;
#   - the program exited with 0.
# A crash, an unhandled exception, an early exit or a hang past the time
# limit therefore fails, whatever exit code Wine gives the program, and the
# verdict names the test that was running.
#
#   run-gtest.sh [--time-limit SECONDS] [--allow-skip PATTERN]... COMMAND...
#
# PATTERN is a shell pattern over the full test name (Suite.Test); the entry
# that passes one says why beside it. The program's output passes through
# unchanged; the verdict is one line beginning "run-gtest.sh:".
set -uo pipefail

limit=0
allowed=()
while [ $# -gt 0 ]; do
    case "$1" in
        --time-limit) limit=$2; shift 2 ;;
        --allow-skip) allowed+=("$2"); shift 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "run-gtest.sh: [--time-limit SECONDS] [--allow-skip PATTERN]... COMMAND..." >&2; exit 2; }

log=$(mktemp)
skips=$(mktemp)
trap 'rm -f "$log" "$skips"' EXIT

# timeout runs the command in a process group of its own and stops all of it,
# so nothing the program started keeps running past the limit.
if [ "$limit" -gt 0 ]; then
    timeout --kill-after=10 "$limit" "$@" 2>&1 | tee "$log"
else
    "$@" 2>&1 | tee "$log"
fi
rc=${PIPESTATUS[0]}

# What the output says: tests announced, tests the summary says ran, the
# verdicts of the tests themselves (a verdict line ends with the test's time),
# and the last test started that never reached its verdict. The names of the
# skipped tests go to $skips.
read -r announced ran passed failed skipped unfinished < <(awk -v skips="$skips" '
    function count(text,   n) { n = text; sub(/^[^0-9]*/, "", n); sub(/[^0-9].*$/, "", n); return n + 0 }
    function name(line,   n) { n = substr(line, index(line, "]") + 2); sub(/[ ,].*$/, "", n); return n }
    { sub(/\r$/, "") }
    /\[==========\] Running [0-9]+ tests? from/ { announced = count(substr($0, index($0, "Running"))) }
    /\[==========\] [0-9]+ tests? from .* ran\./ { ran = count(substr($0, index($0, "]") + 1)) }
    /\[ RUN      \] / { current = name(substr($0, index($0, "[ RUN"))); open = 1 }
    /\[       OK \] .*\([0-9]+ ms\)$/ { passed++; open = 0 }
    /\[  FAILED  \] .*\([0-9]+ ms\)$/ { failed++; open = 0 }
    /\[  SKIPPED \] .*\([0-9]+ ms\)$/ {
        skipped++; open = 0
        print name(substr($0, index($0, "[  SKIPPED"))) > skips
    }
    END {
        printf "%s %s %d %d %d %s\n", (announced == "" ? "-" : announced), (ran == "" ? "-" : ran),
               passed, failed, skipped, (open ? current : "-")
    }' "$log")

fail() {
    echo "run-gtest.sh: FAILED: $*"
    exit 1
}

during=""
[ "$unfinished" != "-" ] && during=" during the test $unfinished"
if [ "$limit" -gt 0 ] && { [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; }; then
    fail "the program was stopped after its time limit of $limit s$during"
fi
[ "$announced" != "-" ] || fail "the program never announced its tests (exit code $rc)"
[ "$announced" -gt 0 ] || fail "the program announced no test to run (exit code $rc)"
[ "$unfinished" = "-" ] ||
    fail "the test $unfinished started and never reached its verdict (exit code $rc)"
[ "$ran" != "-" ] ||
    fail "the program ended without its summary (exit code $rc); $announced tests were announced"
verdicts=$((passed + failed + skipped))
if [ "$ran" != "$announced" ] || [ "$verdicts" -ne "$announced" ]; then
    fail "$verdicts of the $announced tests announced reached a verdict, the summary says $ran ran (exit code $rc)"
fi
[ "$failed" -eq 0 ] || fail "$failed of $ran tests failed"

# Every skipped test must be one the entry allows.
unallowed=()
while read -r test; do
    [ -n "$test" ] || continue
    ok=0
    for pattern in "${allowed[@]+"${allowed[@]}"}"; do
        # shellcheck disable=SC2053
        [[ "$test" == $pattern ]] && { ok=1; break; }
    done
    [ "$ok" -eq 1 ] || unallowed+=("$test")
done <"$skips"
[ ${#unallowed[@]} -eq 0 ] ||
    fail "${#unallowed[@]} tests were skipped that the entry does not allow to skip: ${unallowed[*]}"

[ "$rc" -eq 0 ] ||
    fail "all $ran tests ran, but the program ended with exit code $rc (a crash after the last test?)"
echo "run-gtest.sh: all $ran of $announced tests ran to the end: $passed passed, $skipped skipped, none failed"
