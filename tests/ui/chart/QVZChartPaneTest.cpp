// The chart pane's plots on a real window: the overlay's colours, legend,
// lines and scale; a row without a trial; the local detector behind
// "-devel".
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ChartTest.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "chart/attribs/cf_DispAttribs.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/results/QVResult.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZChartWindow.h"

namespace {

class ChartPane : public ChartTest
{
protected:
    cf_ChartModel *Model() { return window->Pane()->Control()->Model(); }
    int Fill(int k) { return window->Pane()->Control()->GroupDispAttribs(k)->FillColor().Index(); }
    void PlotRow(int row)
    {
        Select(row);
        window->Pane()->Plot(KPoint(-1, -1), true);
    }
    // The labels of the marker lines, from the largest position down.
    std::vector<std::wstring> MarkerTexts()
    {
        std::vector<std::wstring> out;
        cf_DataGroup *groups = Model()->Groups();
        for (int n = 1; n <= groups->Count(); ++n)
            out.push_back(groups->Value(n)->HasLabel() ? groups->Value(n)->Label()->Text() : L"");
        return out;
    }

    QVZChartWindow *window = nullptr;
};

} // namespace

TEST_F(ChartPane, AnOverlayOfThreeTrialsHasItsColoursLegendAndOneLineSetPerTrial)
{
    AddTrial(1500, 150, 1800, 10);
    AddTrial(1500, 160, 1900, 12);
    AddTrial(1500, 170, 2000, 14);
    for (int row = 0; row < 3; ++row)
        overlay.Add(row);
    SetOverlayMode(true);
    SetBool(L"\\Chart\\Lines\\ShowSet", false);
    window = MakeWindow();
    window->Clear();
    for (int row = 0; row < 3; ++row)
        PlotRow(row);
    EXPECT_EQ(Fill(1), 0);
    EXPECT_EQ(Fill(2), 9);
    EXPECT_EQ(Fill(3), 10);
    ASSERT_EQ(Model()->LegendCount(), 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Model()->LegendEntry(n)->Value(1)->Y(), 100 - 6 * (n - 1));
        EXPECT_EQ(Model()->LegendEntry(n)->TextAttribs().TextColor().Index(), Fill(n));
    }
    EXPECT_EQ(std::wstring(Model()->LegendEntry(3)->Name().Text()), L"Trial 3");
    // Gun, Legal and three reaction lines.
    const std::vector<std::wstring> markers = { L"0.17", L"0.16", L"0.15", L"Legal", L"" };
    EXPECT_EQ(MarkerTexts(), markers);
    EXPECT_EQ(Model()->Range()->Count(), 3);

    PlotRow(0); // a fourth plot adds a series, not power lines
    EXPECT_EQ(Model()->Range()->Count(), 3);
    EXPECT_EQ(Model()->GroupCount(), 4);
    // The overlaid series are raised by their number.
    EXPECT_EQ(Model()->Group(4)->Value(1000)->Y() - Model()->Group(1)->Value(1000)->Y(), 3.0);
}

TEST_F(ChartPane, ARowWithoutATrialLeavesTheChartCleared)
{
    AddTrial(1500, 150, 1800, 10);
    window = MakeWindow();
    PlotRow(0);
    ASSERT_GT(Model()->Groups()->Count(), 0);
    PlotRow(5);
    EXPECT_EQ(Model()->Groups()->Count(), 0);
    EXPECT_EQ(Model()->Range()->Count(), 0);
    EXPECT_TRUE(Model()->Group(1) == nullptr || Model()->Group(1)->Count() == 0);
}

TEST_F(ChartPane, ASingleTracesScaleComesFromItsPeak)
{
    AddTrial(1500, 150, -1, 2345); // integral of 192 samples: 450240
    AddTrial(1500, 150, -1, 2);    // 384: below the minimum
    window = MakeWindow();
    PlotRow(0);
    EXPECT_EQ(window->Pane()->Scale(), 496000);
    PlotRow(1);
    EXPECT_EQ(window->Pane()->Scale(), 2000);
    EXPECT_EQ(Model()->Range()->Count(), 0); // no power: no power line
}

TEST_F(ChartPane, TheLocalDetectorMarksItsOnsetOnlyForDevelopers)
{
    const auto plot = [this](bool developer) {
        MakeApplication(developer ? std::initializer_list<const wchar_t *>{ L"-devel" }
                                  : std::initializer_list<const wchar_t *>{});
        host = new KZWindow(40, 40, 400, 300);
        host->SetCoordinateType(kCoordPixels);
        Show(host);
        window = MakeWindow();
        PlotRow(0);
        return MarkerTexts().size();
    };
    QVResult *trial = AddTrial(1500, 150, -1, 0);
    // A step of 20 per sample from 2900 on in X gives a rising integral.
    std::vector<int16_t> x(QVZChartTraces::kSamples, 0), y(QVZChartTraces::kSamples, 0);
    for (int i = 2900; i < QVZChartTraces::kSamples; ++i)
        x[i] = 20;
    trial->SetTrace(x.data(), y.data());
    trial->StoreSetReferenceTime(VRaceTime::FromMilliseconds(1500));
    QVZChartTraces::SetLocalDetection(1);
    const size_t plain = plot(false);
    ASSERT_EQ(plot(true), plain + 1);
    bool labelled = false;
    cf_DataGroup *domain = Model()->Domain();
    for (int n = 1; n <= domain->Count(); ++n)
        if (domain->Value(n)->HasLabel() && std::wstring(domain->Value(n)->Label()->Text()) == L"-0.1")
            labelled = domain->Value(n)->X() == 2900.0;
    EXPECT_TRUE(labelled);
    QVZChartTraces::SetLocalDetection(0);
}
