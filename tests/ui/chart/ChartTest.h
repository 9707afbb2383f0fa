#pragma once
// The fixture of the chart tests on real windows: the application on the
// built-in defaults, a results list with one view and an overlay list that
// a chart window reads through its trial source, and trials with traces.

#include <cstdint>
#include <memory>
#include <vector>

#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "shell/support/ToolkitTest.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZOverlayList.h"

class QVResult;
class QVZChartWindow;

class ChartTest : public ToolkitTest, public QVZChartTrials
{
protected:
    void SetUp() override;
    void TearDown() override;

    QVResultsView *ResultsView() override { return view; }
    const QVZOverlayList *OverlayList() override { return &overlay; }

    // Appends a trial: set-command time and reaction in ms (negative: none),
    // power (negative: none), and a trace whose |X| + |Y| is level everywhere.
    QVResult *AddTrial(int setMs, int reactionMs, int power, int level);
    // A chart window filling the host, reading this fixture's trials.
    QVZChartWindow *MakeWindow();
    void SetOverlayMode(bool on);
    // The pixels of the window's chart as they stand on the screen, rows
    // top first.
    static std::vector<uint32_t> ChartPixels(QVZChartWindow *window);
    void Select(int row) { view->SetSelection(KPoint(0, row)); }
    void SetInt(const wchar_t *key, int value);
    void SetBool(const wchar_t *key, bool value);
    bool Bool(const wchar_t *key);

    QVResults results;
    QVResultsView *view = nullptr;
    QVZOverlayList overlay;
};
