#!/bin/bash
# Lists pairs of sibling folders that include each other: for every
# "#include "a/b/c.h"" in the product's sources, the two folders just below
# the deepest folder the including file and the header share. A pair is
# printed when each folder includes the other, with the number of include
# lines each way; "-a" prints every one-way pair too.
#
#   bash tools/includepairs/include-pairs.sh [-a] [-v] [TREE]
#
# "-v" adds the include lines of the weaker direction (the one to cut).
# TREE defaults to the tree the script sits in.
set -euo pipefail
all=0 verbose=0
while [[ $# -gt 0 && $1 == -* ]]; do
    case $1 in
        -a) all=1 ;;
        -v) verbose=1 ;;
        *) echo "usage: $0 [-a] [-v] [TREE]" >&2; exit 2 ;;
    esac
    shift
done
tree=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$tree"
folders="foundation domain framework shell chart imaging ui program"
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' $folders --include='*.h' --include='*.cpp' |
awk -v all="$all" -v verbose="$verbose" '
{
    split($0, part, ":")
    file = part[1]
    if (!match($0, /"[^"]+"/)) next
    header = substr($0, RSTART + 1, RLENGTH - 2)
    nf = split(file, a, "/"); nh = split(header, b, "/")
    # Folders only: drop the file names.
    nf--; nh--
    i = 1
    while (i <= nf && i <= nh && a[i] == b[i]) i++
    if (i > nf || i > nh) next        # same folder, or one folder holds the other
    prefix = ""
    for (k = 1; k < i; k++) prefix = prefix a[k] "/"
    from = prefix a[i]; to = prefix b[i]
    key = from SUBSEP to
    count[key]++
    lines[key] = lines[key] from " " to "\t1        " file " -> " header "\n"
}
END {
    for (key in count) {
        split(key, p, SUBSEP)
        back = p[2] SUBSEP p[1]
        if (back in count) {
            if (p[1] > p[2]) continue
            n1 = count[key]; n2 = count[back]
            printf "%s %s\t0%s <-> %s  (%d / %d)\n", p[1], p[2], p[1], p[2], n1, n2
            if (verbose) {
                # The lines of the weaker direction, filed under the pair.
                if (n1 <= n2) printf "%s", lines[key]
                if (n2 <= n1) { gsub(p[2] " " p[1] "\t", p[1] " " p[2] "\t", lines[back]); printf "%s", lines[back] }
            }
        } else if (all) {
            printf "%s %s\t0%s -> %s  (%d)\n", p[1], p[2], p[1], p[2], count[key]
        }
    }
}' | sort | cut -f2- | cut -c2-
