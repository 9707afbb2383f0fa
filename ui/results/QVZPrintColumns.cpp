#include "ui/results/QVZPrintColumns.h"

#include <algorithm>

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
        int64_t given = 0;
        for (size_t c = 0; c < n; ++c) {
            widths[c] = needed > 0 ? int32_t(total * needs[c] / needed) : 0;
            given += widths[c];
        }
        if (n > 0)
            widths[n - 1] += int32_t(total - given);
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
