#include "imaging/support/HardwareWindowsTestSupport.h"

#include "foundation/values/KHelpers.h"

namespace {

int32_t g_now = 1000;

int32_t HandTick()
{
    return g_now;
}

} // namespace

int32_t RowsView::ColumnPosition(int row, int column) const
{
    if (!Valid(row) || column < 0 || column >= int(rows[size_t(row)].size()))
        return 0;
    return rows[size_t(row)][size_t(column)];
}

int32_t RowsView::ColumnWidth(int row, int column) const
{
    return ColumnPosition(row, column + 1) - ColumnPosition(row, column);
}

bool RowsView::SetColumnPosition(int row, int column, int32_t x)
{
    if (!Valid(row) || column <= 0 || column >= int(rows[size_t(row)].size()))
        return false;
    std::vector<int32_t> &edges = rows[size_t(row)];
    const int32_t low = edges[size_t(column) - 1];
    const int32_t high = size_t(column) + 1 < edges.size() ? edges[size_t(column) + 1] : x;
    const int32_t clamped = x < low ? low : (x > high ? high : x);
    if (clamped == edges[size_t(column)])
        return false;
    edges[size_t(column)] = clamped;
    return true;
}

HandTicks::HandTicks()
{
    KSetTickSource(&HandTick);
}

HandTicks::~HandTicks()
{
    KSetTickSource(nullptr);
}

void HandTicks::Set(int32_t value)
{
    g_now = value;
}

void HandTicks::Advance(int32_t milliseconds)
{
    g_now += milliseconds;
}
