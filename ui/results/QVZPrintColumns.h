#pragma once
// QVZPrintColumns: the column widths of a printed results page. The page
// starts from the list's own columns fitted to the page width; a column too
// narrow for its head or its widest cell is widened with width taken from
// the columns that have some to spare, so that nothing is printed cut while
// the page has room for it. Plain arithmetic on widths in printer units; no
// state.

#include <cstdint>
#include <vector>

class QVZPrintColumns
{
public:
    // widths: the columns' widths on the page; needs: the width each
    // column needs to print its head and cells whole. Widens the columns
    // short of their need with width taken from the others in proportion to
    // what they have beyond their own need; the total stays the same.
    // Answers false when the total is less than all needs together: the
    // columns that need the least then keep their need, and only the widest
    // ones are narrowed, to one width.
    static bool Widen(std::vector<int32_t> &widths, const std::vector<int32_t> &needs);

private:
    static void Cap(std::vector<int32_t> &widths, const std::vector<int32_t> &needs, int64_t total);
};
