#!/usr/bin/env bash
# Checks that the ctest entries of the test programs fail when a program does
# not run to its end. It runs the entry "harness_probe" (made as every test
# program's entry is) with the faults its probe program can meet, and the
# probe itself once more without the entry's runner:
#   - without a fault, the entry passes;
#   - a stack overflow, a write through a null pointer or an exit with code 0
#     in its third test, a skip of that test, a summary of the test's own
#     making followed by an exit with code 0, and a crash after gtest's
#     summary, each fail it, and the mid-run faults name the test they
#     happened in;
#   - a skip the entry allows passes, and a run of no test at all fails;
#   - a crash ends the program with a non-zero exit code (no debugger
#     answers for it in the prefix);
#   - the tests run in a Wine prefix of their own (that of wine-test.sh), and
#     no entry names the program's prefix or its wrapper wine-run.sh, where
#     run.sh and a user's programs run: the end of a test run, which ends the
#     tests' wineserver, ends none of them.
#   harness-test.sh BUILD_DIR
set -uo pipefail
build=$1
probe_test=HarnessProbe.ThirdTestMeetsTheFaultAskedFor

# The entry's command line, as ctest runs it (ctest quotes each argument).
entry=$(ctest --test-dir "$build" -N -V -R '^harness_probe$' | sed -n 's/^.*Test command: //p' | head -n 1)
[ -n "$entry" ] || { echo "no ctest entry harness_probe in $build"; exit 1; }
eval "command=($entry)"
probe=$(printf '%s\n' "${command[@]}" | grep -i 'harness_probe\.exe$' | head -n 1)

status=0
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# run_entry FAULT: the entry's command with the probe meeting FAULT; sets rc.
run_entry() {
    QV_HARNESS_FAULT=$1 "${command[@]}" >"$out" 2>&1
    rc=$?
}

run_entry ""
if [ "$rc" -ne 0 ]; then
    echo "the entry failed a probe whose tests all pass (exit code $rc):"
    cat "$out"
    status=1
fi

for fault in stack null exit skip summary late; do
    run_entry "$fault"
    if [ "$rc" -eq 0 ]; then
        echo "the entry passed a probe that met the fault \"$fault\":"
        cat "$out"
        status=1
    elif [ "$fault" != late ] && ! grep -q "FAILED.*$probe_test" "$out"; then
        echo "the entry failed on the fault \"$fault\" without naming $probe_test:"
        cat "$out"
        status=1
    fi
done

# The same skip, allowed by the entry, passes; a filter that matches no test
# fails. The runner's options go before the command it runs.
allowed=("${command[@]}")
for i in "${!allowed[@]}"; do
    case "${allowed[$i]}" in
        *run-gtest.sh)
            allowed=("${allowed[@]:0:$((i + 1))}" --allow-skip 'HarnessProbe.Third*' "${allowed[@]:$((i + 1))}")
            break ;;
    esac
done
QV_HARNESS_FAULT=skip "${allowed[@]}" >"$out" 2>&1
if [ $? -ne 0 ] || ! grep -q "1 skipped" "$out"; then
    echo "the entry failed a skip it allows:"
    cat "$out"
    status=1
fi
"${command[@]}" --gtest_filter='NoSuchSuite.*' >"$out" 2>&1
if [ $? -eq 0 ]; then
    echo "the entry passed a run of no test:"
    cat "$out"
    status=1
fi

# Without the runner: a crash still gives the program a non-zero exit code.
if [ -n "$probe" ]; then
    for fault in stack null; do
        QV_HARNESS_FAULT=$fault "$build/wine-test.sh" "$probe" >"$out" 2>&1
        rc=$?
        if [ "$rc" -eq 0 ]; then
            echo "the probe ended with exit code 0 after the fault \"$fault\":"
            cat "$out"
            status=1
        fi
    done
else
    echo "the entry harness_probe does not run harness_probe.exe: $entry"
    status=1
fi

# The prefix a wrapper of the build runs its programs in.
wrapper_prefix() {
    sed -n 's/^export WINEPREFIX="${WINEPREFIX:-\(.*\)}"$/\1/p' "$1" 2>/dev/null
}
tests_prefix=$(wrapper_prefix "$build/wine-test.sh")
program_prefix=$(wrapper_prefix "$build/wine-run.sh")
if [ -z "$tests_prefix" ] || [ -z "$program_prefix" ] || [ "$tests_prefix" = "$program_prefix" ]; then
    echo "the tests' wrapper runs in \"$tests_prefix\", the program's in \"$program_prefix\": not two prefixes"
    status=1
elif [ "$(realpath -m "${WINEPREFIX:-}")" != "$(realpath -m "$tests_prefix")" ]; then
    echo "the tests run in the prefix \"${WINEPREFIX:-}\", not in their own $tests_prefix"
    status=1
fi
# ctest -N -V prints an entry's command and environment before its name.
[ -n "$program_prefix" ] && strays=$(ctest --test-dir "$build" -N -V | awk -v prefix="$program_prefix" -v wrapper="$build/wine-run.sh" '
    index($0, prefix) || index($0, wrapper) { named = 1 }
    /^ *Test +#[0-9]+: / { if (named) print $NF; named = 0 }')
if [ -n "${strays:-}" ]; then
    echo "entries that run in the program's prefix $program_prefix:" $strays
    status=1
fi

[ "$status" -eq 0 ] && echo "harness: the entries fail on every fault, pass a whole run and run in the tests' own prefix"
exit $status
