// QVZResultsPane: the header and the rows of one printed page.
#include <algorithm>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/printing/KZPrinter.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZPrintColumns.h"
#include "ui/results/QVZResultsPrompts.h"

namespace P = QVZResultsPrompts;

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;
constexpr int kBottom = 1;
// Printer units a cell's text keeps clear of the column's right edge.
constexpr int kCellInset = 3;

struct Head
{
    const wchar_t *key;
    const wchar_t *english;
    int alignment;
};

const Head kHeads[QVZResultsPane::kColumnCount] = {
    { L"TrialNum", L"Trial", kLeft },          { L"FirstName", L"First Name", kLeft },
    { L"LastName", L"Last Name", kLeft },      { L"Source", L"Source", kCentre },
    { L"ReactionTime", L"Reaction Time", kRight }, { L"Power", L"Power", kRight },
    { L"TimeToDist", L"Time To Distance", kRight }, { L"RawTime", L"TTD - RT", kRight },
};

KString Field(const wchar_t *name, const wchar_t *english)
{
    KString key(L"\\Strings\\Event\\Results\\Print\\Fields\\");
    key.Append(name);
    return P::Text(key.CStr(), english);
}

KString Time(const VRaceTime &time)
{
    KString text;
    QVZResultsPane::FormatTime(time, text);
    return text;
}

} // namespace

KRect QVZResultsPane::ColumnRect(int column, const KRect &line) const
{
    KRect rect = line;
    if (printEdges.size() == kColumnCount + 1)
    {
        rect.left = line.left + printEdges[column];
        rect.right = line.left + printEdges[column + 1] - 1;
    }
    else if (view)
    {
        rect.left = line.left + view->ColumnPosition(column);
        rect.right = rect.left + view->ColumnWidth(column) - 1;
    }
    rect.right -= kCellInset;
    return rect;
}

void QVZResultsPane::PrintPageHeader(KZPrinter &printer, int page, int pageCount)
{
    KRect line = printer.PageRect();
    line.top = line.bottom = 0;
    printer.SetFont(0);
    printer.DrawText(line, printDate, kLeft, kBottom);
    KString title(P::Text(L"\\Competition\\Name"));
    if (title.CStr()[0])
        title.Append(L" - ");
    if (QVEvent *event = results ? results->Event() : nullptr)
    {
        KString file;
        event->FileTitle(file);
        title.Append(file);
        KString id;
        if (event->CompetitionId(id))
            title.Append(L" (").Append(id).AppendChar(L')');
    }
    printer.SetFont(1);
    printer.DrawText(line, title, kCentre, kBottom);
    KString number(P::Text(L"\\Strings\\Event\\Results\\Print\\Page", L"Page"));
    number.AppendChar(L' ').AppendInt(page).AppendChar(L' ');
    number.Append(P::Text(L"\\Strings\\Event\\Results\\Print\\Of", L"of"));
    number.AppendChar(L' ').AppendInt(pageCount);
    printer.SetFont(0);
    printer.DrawText(line, number, kRight, kBottom);
    line.top = line.bottom = printer.LinesPerPage() - 1;
    printer.DrawText(line, VZApplication::NoticeString(), kLeft, kBottom);
}

// The texts of a result's row, column by column; number is its trial number.
void QVZResultsPane::RowTexts(const QVResult &result, int number, KString *cells)
{
    cells[0].AppendInt(number);
    cells[1] = result.FirstName();
    cells[2] = result.LastName();
    cells[3] = result.Source();
    cells[4] = Time(result.ReactionTime());
    result.FormatPower(cells[5]);
    cells[6] = Time(result.TimeToDistance());
    cells[7] = Time(result.RawTime());
}

// The list's columns fitted to the page, then widened where a head (in its
// font) or a cell of any listed result (in the rows' font) would otherwise
// be cut; the same on every page of a job.
void QVZResultsPane::LayOutPrintColumns(KZPrinter &printer, int32_t width, const KString *heads)
{
    printEdges.clear();
    if (!view)
        return;
    view->FitColumns(width, false);
    std::vector<int32_t> widths(kColumnCount), needs(kColumnCount);
    for (int column = 0; column < kColumnCount; ++column)
    {
        widths[column] = view->ColumnWidth(column);
        needs[column] = printer.TextWidth(heads[column]);
    }
    const int headFont = printer.Font();
    printer.SetFont(1);
    auto need = [&](int column, const KString &text) {
        needs[column] = std::max(needs[column], printer.TextWidth(text));
    };
    int number = 1;
    for (QVResult *result = ResultAt(0); result; result = NextResult(result))
    {
        KString cells[kColumnCount];
        RowTexts(*result, number++, cells);
        for (int column = 0; column < kColumnCount; ++column)
            need(column, cells[column]);
        need(kColumnTimeToDistance, Field(L"Breaks", L"Breaks"));
        for (int i = 0; i < result->BreakCount(); ++i)
        {
            need(kColumnTimeToDistance, Time(result->TrialTime(i)));
            need(kColumnTimeToDistance + 1, Time(result->RawTrialTime(i)));
        }
    }
    printer.SetFont(headFont);
    for (int32_t &n : needs)
        n += kCellInset + 1;
    QVZPrintColumns::Widen(widths, needs);
    printEdges.push_back(view->ColumnPosition(0));
    for (int32_t w : widths)
        printEdges.push_back(printEdges.back() + w);
}

void QVZResultsPane::PrintRows(KZPrinter &printer, int lineNumber, int first, int count, int skip, int lastLine)
{
    KRect line = printer.PageRect();
    line.top = line.bottom = lineNumber;
    printer.SetFont(3);
    KString heads[kColumnCount];
    for (int column = 0; column < kColumnCount; ++column)
        heads[column] = Field(kHeads[column].key, kHeads[column].english);
    if (printEdges.empty())
        LayOutPrintColumns(printer, line.right - line.left + 1, heads);
    for (int column = 0; column < kColumnCount; ++column)
        printer.DrawText(ColumnRect(column, line), heads[column], kHeads[column].alignment, kBottom);
    printer.DrawRule(line);
    printer.SetFont(1);
    // Line k of a result's block is printed when k is not below the lines
    // printed on earlier pages and its page line is not past the last one.
    int row = lineNumber + 1;
    int blockLine = 0;
    auto shown = [&] {
        line.top = line.bottom = row;
        return blockLine >= skip && (lastLine < 0 || row <= lastLine);
    };
    auto cell = [&](int column, const KString &text, int alignment) {
        if (!shown())
            return;
        printer.DrawText(ColumnRect(column, line), text, alignment, kBottom);
        printer.DrawRule(ColumnRect(column, line));
    };
    auto next = [&] {
        if (blockLine++ >= skip)
            ++row;
    };
    int number = first + 1;
    for (QVResult *result = ResultAt(first); result && count > 0; result = NextResult(result), --count)
    {
        blockLine = 0;
        KString cells[kColumnCount];
        RowTexts(*result, number++, cells);
        for (int column = 0; column < kColumnCount; ++column)
            cell(column, cells[column], kHeads[column].alignment);
        next();
        if (shown())
            printer.DrawText(ColumnRect(kColumnTimeToDistance, line), Field(L"Breaks", L"Breaks"), kLeft,
                             kBottom);
        for (int i = 0; i < result->BreakCount(); ++i)
        {
            VRaceTime time = result->TrialTime(i);
            if (!time.IsValid())
                continue;
            cell(6, Time(time), kRight);
            cell(7, Time(result->RawTrialTime(i)), kRight);
            next();
        }
        cell(6, Time(result->TimeToDistance()), kRight);
        cell(7, Time(result->RawTime()), kRight);
        next();
        skip = 0;
    }
}
