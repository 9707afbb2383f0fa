#!/bin/sh
# Prints a results page and a chart page through Wine's spooler to the CUPS
# PDF printer and checks their pictures: the results list fits one page and
# its rows are printed, each cell whole (read back with pdftotext); the
# chart page holds the trace in the brush colour (blue) inside the chart,
# and its power labels are printed whole.
# Usage: print-to-pdf.sh <ui_tests.exe> <wine-test.sh>
# Answers 77 (skipped) when there is no PDF printer.
set -u
support="$(dirname "$0")/../../support"
. "$support/printed-page.sh"
spool_document uicheck UI_PRINT_DOCUMENT "$1" "$2" 'ResultsSpooler.*:ChartSpooler.*'

work=$(mktemp -d)
pdfs=""
trap 'rm -rf "$work"; [ -n "$pdfs" ] && rm -f $pdfs' EXIT
status=0
one_page() {
    pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    [ "$pages" = 1 ] || { echo "the $1 printout has ${pages:-no} pages, not 1"; status=1; }
}
# The documents are named "Quorvane Training" and the print title.
mkdir "$work/results" "$work/chart"
if printed_page "*$name-results" "$work/results"; then
    pdfs="$pdfs $pdf"
    one_page results
    # Header, column heads and three rows: ink in the top quarter of the page.
    height=$(identify -format %h "$page")
    [ "$(ink "100%x$((height / 4))+0+0")" -lt 999 ] || { echo "the results page shows no rows"; status=1; }
    # Every row's source is printed whole.
    whole=$(pdftotext -layout "$pdf" - 2>/dev/null | grep -c 'Block Sensor')
    [ "$whole" = 3 ] || { echo "the source \"Block Sensor\" is printed whole in $whole rows of 3:"
                         pdftotext -layout "$pdf" - | grep -i 'block'; status=1; }
else
    status=1
fi
if printed_page "*$name-chart" "$work/chart"; then
    pdfs="$pdfs $pdf"
    one_page chart
    # The trace is thin on paper: look at a sharper picture with lines drawn solid.
    pdftoppm -r 100 -thinlinemode solid -png -f 1 -l 1 "$pdf" "$work/chart/sharp"
    sharp=$(ls "$work"/chart/sharp*.png | head -n 1)
    blue=$(convert "$sharp" -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { r = $3; g = $4; b = $5; if (b - r > 80 && b - g > 80) n++ } END { print n + 0 }')
    [ "$blue" -ge 100 ] || { echo "the chart page shows no trace ($blue blue pixels)"; status=1; }
    # The power axis runs to 716000: its two top labels (716000, 572800)
    # have six digits each, all of them on the paper (a label cut at the
    # chart's edge keeps a sliver of its first digit).
    pdftoppm -r 150 -gray -f 1 -l 1 "$pdf" "$work/chart/labels"
    labels=$(ls "$work"/chart/labels*.pgm | head -n 1)
    whole=$(convert "$labels" -threshold 60% -compress none pbm:- | awk -f "$(dirname "$0")/power-labels.awk" |
        head -n 2 | awk '$1 == 6 && $2 * 2 >= $3 { n++ } END { print n + 0 }')
    [ "$whole" = 2 ] || { echo "the top power labels are not printed whole"; status=1; }
else
    status=1
fi
[ $status -eq 0 ] && echo "the printed pages show the results and the chart's trace"
exit $status
