# Shared by the print checks: prints through Wine's spooler, waits for the
# PDF printer's file of a job and turns its first page into a picture at
# 50 dpi, and checks pixels of it. Usage (sourced):
# spool_document <prefix> <variable> <program> <runner> <test filter> runs
# the program's print tests with a fresh document name (set in $name) in the
# environment variable, through run-gtest.sh as every test program runs (the
# caller sets $support to this folder); it exits 77 (skipped) when there is
# no PDF printer and 1 when the tests fail, crash or end early.
# printed_page <job name> <work folder> sets $pdf and $page, answers
# non-zero when no complete file came within 30 s; open_page <job name> does
# the same in a fresh $work folder, removes both on exit, and exits 1 when no
# page came. Then check <x> <y> dark|white says so and sets status=1 when the
# pixel of $page is not as expected (pixel <x> <y> is its grey level,
# 0..255), and ink <geometry> is the mean lightness (0..1000) of a part.
spool_document() {
    if ! lpstat -p PDF >/dev/null 2>&1 || ! command -v pdftoppm >/dev/null 2>&1; then
        echo "no PDF printer: the printout is not checked"
        exit 77
    fi
    name="$1-$$-$(date +%s)"
    env "$2=$name" bash "$support/run-gtest.sh" sh "$4" "$3" --gtest_filter="$5" || exit 1
}

printed_page() {
    # The PDF printer writes to its Out folder (the job owner's ~/PDF by default).
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    pdf=""
    page=""
    for _ in $(seq 1 60); do
        pdf=$(find "$home/PDF" "${HOME:-/nonexistent}/PDF" /var/spool/cups-pdf -name "$1*.pdf" 2>/dev/null | head -n 1)
        # The file appears before the printer has finished writing it: a page
        # that does not convert yet is tried again.
        if [ -n "$pdf" ] && [ -s "$pdf" ] &&
           pdftoppm -r 50 -png -f 1 -l 1 "$pdf" "$2/page" 2>/dev/null; then
            page=$(ls "$2"/page*.png 2>/dev/null | head -n 1)
            [ -n "$page" ] && return 0
        fi
        sleep 0.5
    done
    if [ -z "$pdf" ]; then
        echo "the PDF printer made no file named $1"
    else
        echo "the PDF printer's file $pdf did not become a readable page"
    fi
    return 1
}

open_page() {
    work=$(mktemp -d)
    printed_page "$1" "$work" || { rm -rf "$work"; [ -n "$pdf" ] && rm -f "$pdf"; exit 1; }
    trap 'rm -rf "$work"; rm -f "$pdf"' EXIT
}

ink() { convert "$page" -crop "$1" -format "%[fx:int(1000*mean)]" info:; }

pixel() { convert "$page" -crop "1x1+$1+$2" -format "%[fx:int(255*mean)]" info:; }

check() {
    value=$(pixel "$1" "$2")
    if [ "$3" = dark ] && [ "$value" -gt 64 ]; then echo "($1, $2) should be dark: $value"; status=1; fi
    if [ "$3" = white ] && [ "$value" -lt 250 ]; then echo "($1, $2) should be white: $value"; status=1; fi
}
