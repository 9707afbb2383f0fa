#!/bin/sh
# The libraries quorvane.exe needs only for a file or folder dialog, a
# printer or a slider are delay-loaded: none of them is in the import table
# that the system loads with the program.
# Usage: program-imports.sh OBJDUMP PROGRAM
set -eu
objdump=$1
program=$2
loaded=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
found=$(echo "$loaded" | grep -i -x -E 'comctl32\.dll|comdlg32\.dll|ole32\.dll|shell32\.dll|winspool\.drv' || true)
if [ -n "$found" ]; then
    echo "$program loads these libraries at its start:"
    echo "$found"
    exit 1
fi
