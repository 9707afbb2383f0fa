#include "ui/results/QVZPrintColumns.h"

#include <algorithm>

// The narrow columns keep their whole need and the widest ones share what
// is left equally: the largest cap with every column's min(need, cap)
// summing to no more than total; what rounding leaves goes a unit at a time
// to the capped columns, from the left.
void QVZPrintColumns::Cap(std::vector<int32_t> &widths, const std::vector<int32_t> &needs, int64_t total)
{
    const size_t n = std::min(widths.size(), needs.size());
    std::vector<int32_t> sorted(needs.begin(), needs.begin() + n);
    std::sort(sorted.begin(), sorted.end());
    int64_t below = 0;   // the needs under the cap together
    int64_t cap = 0;
    for (size_t i = 0; i < n; ++i) {
        const int64_t above = int64_t(n - i);
        if (below + above * sorted[i] >= total) {
            cap = std::max<int64_t>(0, (total - below) / above);
            break;
        }
        below += sorted[i];
    }
    int64_t rest = total;
    for (size_t c = 0; c < n; ++c) {
        widths[c] = int32_t(std::min<int64_t>(needs[c], cap));
        rest -= widths[c];
    }
    for (size_t c = 0; rest > 0 && c < n; ++c)
        if (needs[c] > widths[c]) {
            ++widths[c];
            --rest;
        }
}

bool QVZPrintColumns::Widen(std::vector<int32_t> &widths, const std::vector<int32_t> &needs)
{
    const size_t n = std::min(widths.size(), needs.size());
    int64_t total = 0, needed = 0, missing = 0, spare = 0;
    for (size_t c = 0; c < n; ++c) {
        total += widths[c];
        needed += needs[c];
        if (widths[c] < needs[c])
            missing += needs[c] - widths[c];
        else
            spare += widths[c] - needs[c];
    }
    if (missing == 0)
        return true;
    if (total < needed) {
        Cap(widths, needs, total);
        return false;
    }
    // Every column short of its need gets it; the columns with spare width
    // give up their share of what is missing, and what rounding leaves goes
    // a unit at a time to those that still have some to spare.
    int64_t rest = missing;
    for (size_t c = 0; c < n; ++c) {
        if (widths[c] < needs[c]) {
            widths[c] = needs[c];
        } else if (widths[c] > needs[c]) {
            const int64_t share = missing * (widths[c] - needs[c]) / spare;
            widths[c] -= int32_t(share);
            rest -= share;
        }
    }
    for (size_t c = 0; rest > 0 && c < n; ++c)
        while (rest > 0 && widths[c] > needs[c]) {
            --widths[c];
            --rest;
        }
    return true;
}
