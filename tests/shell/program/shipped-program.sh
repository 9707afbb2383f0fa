#!/bin/sh
# The shipped quorvane.exe carries no debug information; quorvane.exe.debug
# beside it holds that information, and the program links to it by name.
# Usage: shipped-program.sh OBJDUMP PROGRAM
set -eu
objdump=$1
program=$2
sections=$("$objdump" -h "$program")
if echo "$sections" | grep -q '\.debug_'; then
    echo "$program carries debug sections:"
    echo "$sections" | grep '\.debug_'
    exit 1
fi
if ! "$objdump" -s -j .gnu_debuglink "$program" | grep -q 'quorvane.exe.deb'; then
    echo "$program has no debug link to quorvane.exe.debug"
    exit 1
fi
if ! "$objdump" -h "$program.debug" | grep -q '\.debug_info'; then
    echo "$program.debug holds no debug information"
    exit 1
fi
