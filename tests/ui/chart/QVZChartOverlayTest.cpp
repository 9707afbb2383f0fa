// The overlay chart built click by click and drawn anew: the same picture,
// and each trial's trace computed once while it stays what it was.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <numeric>
#include <vector>

#include "ChartTest.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/results/QVResult.h"
#include "shell/app/KZLongOperation.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTraceCache.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZResultsKeys.h"

namespace {

class ChartOverlay : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        QVZChartTraceCache::Shared().Clear();
        // Twelve trials of rising levels (the scale grows along the way),
        // each with its reaction and power lines.
        for (int k = 0; k < kMaxOverlayTraces; ++k)
            AddTrial(1500, 140 + 7 * k, 1500 + 150 * k, 8 + 3 * k);
        SetOverlayMode(true);
        window = MakeWindow();
        window->Clear();
    }
    // A click on a row: it joins the overlay and its trace is added.
    void Click(int row)
    {
        overlay.Add(row);
        Select(row);
        window->Update(KPoint(0, row));
    }
    long Computations() const { return QVZChartTraceCache::Shared().Computations(); }
    cf_ChartModel *Model() { return window->Pane()->Control()->Model(); }

    QVZChartWindow *window = nullptr;
};

} // namespace

TEST_F(ChartOverlay, AnOverlayBuiltClickByClickLooksLikeTheSameOverlayDrawnAtOnce)
{
    for (int row = 0; row < kMaxOverlayTraces; ++row)
        Click(row);
    Pump();
    const std::vector<uint32_t> clicked = ChartPixels(window);
    ASSERT_EQ(kMaxOverlayTraces, Model()->GroupCount());

    window->Clear();
    Pump();
    ASSERT_NE(clicked, ChartPixels(window));
    window->Update(KPoint(-1, -1)); // the results changed: the overlay anew
    Pump();
    EXPECT_EQ(kMaxOverlayTraces, Model()->GroupCount());
    EXPECT_EQ(kMaxOverlayTraces, Model()->LegendCount());
    const std::vector<uint32_t> atOnce = ChartPixels(window);
    ASSERT_EQ(clicked.size(), atOnce.size());
    const auto differing = std::inner_product(clicked.begin(), clicked.end(), atOnce.begin(), size_t(0),
                                              std::plus<size_t>(), std::not_equal_to<uint32_t>());
    EXPECT_EQ(size_t(0), differing) << "pixels that differ between the overlay built by clicks and drawn at once";
}

// A click keeps the power scale the overlay reached before and raises it by
// the new trial only; after a change of the settings, of the display mode or
// of the trials already overlaid, it must take the scale of the whole
// overlay as drawn anew, not the kept one.
TEST_F(ChartOverlay, AClickAfterAChangeTakesTheScaleOfTheWholeOverlay)
{
    int row = 0;
    const struct
    {
        const char *change;
        std::function<void()> make;
    } changes[] = {
        {"a finer rounding step", [this] { SetInt(kKeyChartPowerRoundVal, 250); }},
        {"a trial taken out", [this, &row] { overlay.Remove(row - 2); }},
        {"another display mode", [] { QVZChartTraces::SetDisplayMode(kCmdChartRawY); }},
    };
    for (; row < 4; ++row)
        Click(row);
    for (const auto &change : changes) {
        change.make();
        Click(row++);
        const int clicked = window->Pane()->Scale();
        window->Update(KPoint(-1, -1));
        EXPECT_EQ(window->Pane()->Scale(), clicked) << "a click after " << change.change;
        Click(row++); // and one more from the overlay drawn anew
        const int next = window->Pane()->Scale();
        window->Update(KPoint(-1, -1));
        EXPECT_EQ(window->Pane()->Scale(), next) << "the next click after " << change.change;
    }
}

// A download adds trial after trial during a long operation: the chart is
// not built and drawn again for each (drawing the growing overlay each time
// cost more than the download), and the results change at its end shows
// the whole overlay.
TEST_F(ChartOverlay, ADownloadIntoTheOverlayIsDrawnOnceWhenItEnds)
{
    window->Update(KPoint(-1, -1));
    Pump();
    const int shownBefore = Model()->GroupCount();
    const auto started = std::chrono::steady_clock::now();
    {
        KZLongOperation download{KString()};
        for (int row = 0; row < kMaxOverlayTraces; ++row) {
            window->Update(KPoint(-1, -1)); // the new row
            Click(row);                     // shown: the overlay takes it
            download.Step(row * 8);
        }
        // The twelve steps take a few ms; on a machine so busy that they
        // took longer than the redraw interval, a catch-up draw is right.
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        if (took.count() < QVZChartPane::kBusyRedrawInterval) {
            EXPECT_EQ(shownBefore, Model()->GroupCount()) << "series built while the download ran";
            EXPECT_TRUE(window->Pane()->OverlayStale());
        }
    }
    window->Update(KPoint(-1, -1)); // the download's end
    Pump();
    EXPECT_FALSE(window->Pane()->OverlayStale());
    EXPECT_EQ(kMaxOverlayTraces, Model()->GroupCount());
    EXPECT_EQ(kMaxOverlayTraces, Model()->LegendCount());
    const std::vector<uint32_t> downloaded = ChartPixels(window);

    window->Clear();
    Pump();
    window->Pane()->PlotOverlay();
    Pump();
    EXPECT_EQ(downloaded, ChartPixels(window)) << "the overlay after the download and the same overlay drawn at once";

    // A click after the operation ended is drawn at once again.
    overlay.Remove(kMaxOverlayTraces - 1);
    window->Update(KPoint(-1, -1));
    Click(kMaxOverlayTraces - 1);
    EXPECT_EQ(kMaxOverlayTraces, Model()->GroupCount());
}

TEST_F(ChartOverlay, EachTraceIsComputedOnceWhileItStaysTheSame)
{
    for (int row = 0; row < kMaxOverlayTraces; ++row) {
        const long before = Computations();
        Click(row);
        EXPECT_EQ(before + 1, Computations()) << "click " << row + 1;
    }
    const long clicked = Computations();
    window->Update(KPoint(-1, -1));
    window->Update(KPoint(-1, -1));
    EXPECT_EQ(clicked, Computations()) << "the overlay drawn anew twice";

    // A trial whose trace changed is computed afresh and shown as it is now.
    QVResult *fourth = results.MatchingAt(3, view);
    ASSERT_NE(nullptr, fourth);
    std::vector<int16_t> x(QVZChartTraces::kSamples, 40), y(QVZChartTraces::kSamples, 0);
    fourth->SetTrace(x.data(), y.data());
    window->Update(KPoint(-1, -1));
    EXPECT_EQ(clicked + 1, Computations());
    // Level 40 over the 192-sample integral, raised by the series offset 3.
    EXPECT_EQ(40.0 * 192 + 3, Model()->Group(4)->Value(1000)->Y());
}
