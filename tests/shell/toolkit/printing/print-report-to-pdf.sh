#!/bin/sh
# Prints one report page through Wine's spooler to the CUPS PDF printer and
# checks its picture: a black square one inch in from the margins' corner,
# white around it, a rule below it and ink where the line of text was
# written.
# Usage: print-report-to-pdf.sh <shell_tests.exe> <wine-test.sh>
# Answers 77 (skipped) when there is no PDF printer.
set -u
support="$(dirname "$0")/../../../support"
. "$support/printed-page.sh"
spool_document kzcheck KZ_PRINT_DOCUMENT "$1" "$2" 'KZPrinterSpooler.*'
open_page "$name"
[ -n "${KZ_KEEP_PAGE:-}" ] && cp "$page" "$KZ_KEEP_PAGE"

# At 50 dpi the margins' corner is 50 pixels in: the square spans 50..100
# both ways, the rule lies near 142 down and the text near 157.
status=0
check 55 55 dark
check 95 95 dark
check 75 75 dark
check 45 75 white
check 105 75 white
check 75 45 white
check 75 110 white
if [ "$(ink 60x8+60+138)" -ge 999 ]; then echo "no rule below the square"; status=1; fi
if [ "$(ink 120x14+52+152)" -ge 999 ]; then echo "no text below the rule"; status=1; fi
[ $status -eq 0 ] && echo "the printed page shows the square, the rule and the text ($pdf)"
exit $status
