#include "ui/chart/QVZChartDataDialog.h"

#include <cstdio>

#include "framework/controls/ZafBorder.h"
#include "framework/controls/ZafScrollBar.h"
#include "ui/chart/QVZChartTraces.h"

namespace {

// Characters cut from the end of the six-decimal text, per column.
constexpr int kCut[QVZChartDataDisplaySelector::kColumns] = { 3, 7, 7, 2, 2 };

int TotalWidth(const int widths[QVZChartDataDisplaySelector::kColumns])
{
    int total = 0;
    for (int c = 0; c < QVZChartDataDisplaySelector::kColumns; ++c)
        total += widths[c];
    return total;
}

} // namespace

QVZChartDataDisplaySelector::QVZChartDataDisplaySelector(QVZChartDataDialog *owner, const int columnWidths[kColumns],
                                                         int left, int top, int height)
    : KZSelector(left, top, TotalWidth(columnWidths), height), owner(owner)
{
    SetColumnWidths(columnWidths, kColumns);
    Add(new ZafBorder);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetExtent(KPoint(1, QVZChartTraces::kSamples));
}

QVZChartDataDisplaySelector::~QVZChartDataDisplaySelector() = default;

void QVZChartDataDisplaySelector::Redisplay()
{
    SetExtent(KPoint(1, QVZChartTraces::kSamples));
    KZSelector::Redisplay();
}

void QVZChartDataDisplaySelector::CellText(KPoint unit, int column, KString &text, uint32_t &)
{
    text.Append(Text(unit.y, column));
}

KString QVZChartDataDisplaySelector::Text(int row, int column)
{
    KString text;
    if (row < 0 || row >= QVZChartTraces::kSamples || column < 0 || column >= kColumns)
        return text;
    const QVZChartTraces &traces = QVZChartTraces::Shared();
    const double *sum = traces.Integral();
    double value = 0.0;
    switch (column) {
    case 0: value = row * 0.001 - 3.0; break;
    case 1: value = traces.RawX()[row]; break;
    case 2: value = traces.RawY()[row]; break;
    case 3: value = sum[row]; break;
    default: value = row == 0 ? sum[0] : sum[row] - sum[row - 1]; break;
    }
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%lf", value);
    if (length < 0)
        return text;
    length = length > kCut[column] ? length - kCut[column] : 0;
    text.AppendAnsi(buffer, length);
    return text;
}
