#include "ChartTest.h"

#include <vector>

#include "support/ScreenPixels.h"

#include "domain/results/QVResult.h"
#include "domain/timing/VRaceTime.h"
#include "foundation/registry/KRegistry.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "ui/chart/QVZChartTraces.h"
#include "chart/view/ZafChartControl.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"

void ChartTest::SetUp()
{
    ToolkitTest::SetUp();
    view = results.NewView();
    QVZChartTraces::SetDisplayMode(kCmdChartSummedXY);
    QVZChartTraces::SetLocalDetection(0);
}

void ChartTest::TearDown()
{
    SetOverlayMode(false);
    ToolkitTest::TearDown();
}

QVResult *ChartTest::AddTrial(int setMs, int reactionMs, int power, int level)
{
    QVResult *r = results.NewResult();
    if (setMs >= 0)
        r->StoreSetCommandTime(VRaceTime::FromMilliseconds(setMs));
    if (reactionMs >= 0)
        r->SetReactionTime(VRaceTime::FromMilliseconds(reactionMs));
    if (power >= 0)
        r->SetPower(power);
    std::vector<int16_t> x(QVZChartTraces::kSamples, int16_t(level));
    std::vector<int16_t> y(QVZChartTraces::kSamples, 0);
    r->SetTrace(x.data(), y.data());
    return r;
}

QVZChartWindow *ChartTest::MakeWindow()
{
    auto *window = new QVZChartWindow(nullptr, nullptr);
    window->SetTrials(this);
    window->SetCoordinateType(kCoordPixels);
    window->SetRegion(KZMakeRegion(KRect(0, 0, 399, 299), kCoordPixels));
    host->Add(window);
    Pump();
    return window;
}

std::vector<uint32_t> ChartTest::ChartPixels(QVZChartWindow *window)
{
    HWND chart = static_cast<HWND>(window->Pane()->Control()->OSWindow());
    RECT client;
    GetClientRect(chart, &client);
    HDC screen = GetDC(chart);
    std::vector<uint32_t> pixels = CopyPixels(screen, 0, 0, client.right, client.bottom);
    ReleaseDC(chart, screen);
    return pixels;
}

void ChartTest::SetOverlayMode(bool on)
{
    if (VZApplication *application = VZApplication::Instance())
        application->SetOverlayMode(on);
}

void ChartTest::SetInt(const wchar_t *key, int value)
{
    registry->GetInt(key)->SetValue(value);
}

void ChartTest::SetBool(const wchar_t *key, bool value)
{
    registry->GetBool(key)->SetValue(value);
}

bool ChartTest::Bool(const wchar_t *key)
{
    return registry->GetBool(key)->Value();
}
