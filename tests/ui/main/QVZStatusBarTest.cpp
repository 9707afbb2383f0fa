// The main status bar: fly-over texts from the settings.
#include <gtest/gtest.h>

#include "foundation/registry/KRegistry.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "ui/main/QVZStatusBar.h"

namespace {

class QVZStatusBarTest : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        auto *window = new KZWindow(60, 60, 500, 200);
        window->SetCoordinateType(kCoordPixels);
        bar = new QVZStatusBar;
        window->Add(bar);
        Show(window);
        Pump();
    }
    std::wstring Shown() const { return bar->MessagePane()->ShownText().CStr(); }

    QVZStatusBar *bar = nullptr;
};

} // namespace

TEST_F(QVZStatusBarTest, FlyOverTextsComeFromTheSettingsAndAnUnknownCodeEmptiesTheBar)
{
    const struct
    {
        int32_t command;
        const wchar_t *text;
    } cases[] = {
        { 10529, L"Download trace data to this event/workout" },
        { 10480, L"" },
        { 10003, L"Save the selected Quorvane Workout" },
        { 10578, L"Create a new Quorvane Workout" },
        { 10579, L"Open a Quorvane Workout" },
        { 10489, L"Show/Hide Power Line" },
        { 10533, L"Show All Charts" },
        { 10001, L"" },
    };
    for (const auto &c : cases) {
        bar->SetMessage(L"previous text");
        bar->ShowFlyOver(c.command);
        EXPECT_EQ(c.text, Shown()) << c.command;
    }
}

TEST_F(QVZStatusBarTest, AReplacedTextInTheSettingsIsShownAtOnce)
{
    registry->GetString(L"\\Strings\\Event\\Results\\FlyOver\\DownloadTraces")->SetValue(KString(L"Spuren laden"));
    bar->ShowFlyOver(10529);
    EXPECT_EQ(L"Spuren laden", Shown());
}

TEST_F(QVZStatusBarTest, AButtonReachesTheFlyOverThroughTheToolkitHook)
{
    static_cast<KZStatusBar *>(bar)->SetFlyOver(10532);
    EXPECT_EQ(L"Clear the trace overlay", Shown());
}
