# Reads a plain PBM picture of a printed chart page (1 = ink) and prints,
# for each power-axis label, top first, one a line: its number of glyphs,
# the width of its first glyph and the width of its widest one. The
# labels are the bands of rows left of the power axis (the leftmost long
# vertical line), within the axis's height; a glyph is a run of columns with
# ink, so a label printed whole has one glyph per character (a tick mark
# reaching the axis is not counted). A label cut at the chart's edge shows a
# first glyph much narrower than its others.
NR == 1 && $1 == "P1" { next }
!size && NF == 2 { w = $1; h = $2; size = 1; next }
size {
    for (i = 1; i <= NF; ++i) {
        ink[n % w, int(n / w)] = $i
        ++n
    }
}
END {
    # The axis: the leftmost column whose longest ink run spans 40% of the page.
    axis = -1
    for (x = 0; x < w / 2 && axis < 0; ++x) {
        run = 0
        for (y = 0; y < h; ++y) {
            run = ink[x, y] ? run + 1 : 0
            if (run > h * 0.4) { axis = x; bottom = y; break }
        }
    }
    if (axis < 0) { print "no axis"; exit 1 }
    while (bottom + 1 < h && ink[axis, bottom + 1]) ++bottom
    top = bottom
    while (top > 0 && ink[axis, top - 1]) --top
    # Label rows: ink left of the axis (clear of the tick marks) from a little
    # above the axis to its foot.
    right = axis - 4
    inside = 0
    for (y = top - 20; y <= bottom + 8; ++y) {
        any = 0
        for (x = 0; x < right && !any; ++x) any = ink[x, y]
        if (any && !inside) { first = y }
        if (!any && inside) report(first, y - 1)
        inside = any
    }
    if (inside) report(first, bottom + 8)
}
function report(y0, y1,    x, y, col, glyphs, was, width) {
    glyphs = 0; was = 0; width = 0; firstWidth = 0; widest = 0
    for (x = 0; x < right; ++x) {
        col = 0
        for (y = y0; y <= y1 && !col; ++y) col = ink[x, y]
        if (col && !was) { ++glyphs; width = 0 }
        if (col) ++width
        if (!col && was) glyph(width)
        was = col
    }
    # A run still open at the right edge is the tick mark.
    if (was) --glyphs
    print glyphs, firstWidth, widest
}
function glyph(width) {
    if (!firstWidth) firstWidth = width
    if (width > widest) widest = width
}
