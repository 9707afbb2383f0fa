#pragma once
// QVZChartDataDialog: "Chart Data", the numbers behind the selected trial's
// chart: for each of the 5001 samples the time, the raw X and Y values, the
// summed value and its slope (QVZChartDataDisplaySelector), and an Export
// button (kCmdChartDataExport) that writes the raw trace as tab-separated
// text and closes the dialog. Reads the shared working arrays of
// QVZChartTraces, which the caller has computed. Made on the caller's stack
// and run once with DoModal. GUI thread only.
//
// QVZChartDataDisplaySelector: the list of the dialog, one row per sample,
// five columns, opened at the gun sample.

#include <cstdint>

#include "shell/toolkit/dialogs/KZDialog.h"
#include "shell/toolkit/lists/KZSelector.h"

class KFile;
class QVZChartDataDialog;

class QVZChartDataDisplaySelector : public KZSelector
{
public:
    static constexpr int kColumns = 5;

    QVZChartDataDisplaySelector(QVZChartDataDialog *owner, const int widths[kColumns], int left, int top,
                                int height);
    ~QVZChartDataDisplaySelector() override;

    // The extent is always one column of 5001 rows.
    void Redisplay() override;
    using KZSelector::Redisplay;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

    // The text of the cell of sample row in column: the number printed with
    // six decimals, then cut from the end (time to three decimals, X and Y
    // to the integer part, summed value and slope to four decimals).
    static KString Text(int row, int column);

private:
    QVZChartDataDialog *owner;
};

class QVZChartDataDialog : public KZDialog
{
public:
    // The export's status: nothing tried yet, or the file dialog cancelled;
    // any other value is the code of the error that stopped the export.
    enum { kStatusNone = 0, kStatusCancelled = 1004 };

    QVZChartDataDialog();
    ~QVZChartDataDialog() override;

    // kCmdChartDataExport runs Export; the rest goes to the dialog.
    ZafEventType Event(const ZafEventStruct &event) override;

    // Asks for a file name (".txt" forced) and writes one line per sample:
    // time, tab, raw X, tab, raw Y (as signed 16-bit integers). Unless the
    // file dialog was cancelled the dialog then ends as with Ok.
    void Export();
    int Status() const { return status; }

    QVZChartDataDisplaySelector *List() const { return list; }

private:
    void WriteFile(KFile &file);

    QVZChartDataDisplaySelector *list = nullptr;
    int status = kStatusNone;
};
