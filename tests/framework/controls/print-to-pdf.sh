#!/bin/sh
# Prints one page through Wine's spooler to the CUPS PDF printer and checks
# the picture of the page: a black bar where the program drew it, white
# around it, and ink where it wrote its line of text.
# Usage: print-to-pdf.sh <framework_tests.exe> <wine-test.sh>
# Answers 77 (skipped) when there is no PDF printer.
set -u
support="$(dirname "$0")/../../support"
. "$support/printed-page.sh"
spool_document zafcheck ZAF_PRINT_DOCUMENT "$1" "$2" 'ZafPrinterSpooler.*'
open_page "$name"

# At 50 dpi the printable corner is half an inch in (25, 25): the bar spans
# 75..175 across and 75..125 down, the text starts at (75, 175).
status=0
check 80 80 dark
check 170 120 dark
check 125 100 dark
check 70 100 white
check 180 100 white
check 125 135 white
if [ "$(ink 200x25+75+172)" -ge 999 ]; then echo "no text below the bar"; status=1; fi
[ $status -eq 0 ] && echo "the printed page shows the bar and the text ($pdf)"
exit $status
