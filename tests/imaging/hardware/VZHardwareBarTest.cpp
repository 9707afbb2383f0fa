// The main window's hardware tool bar on a real window: its buttons, its
// place as the hub view's tool bar, New and Open through the main window,
// the confirmed capture stop and the start of the newest armed event.
#include <gtest/gtest.h>

#include <algorithm>

#include "domain/timing/VLeg.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/hardware/VZHardwareBar.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "imaging/support/ImagingWindowTest.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

class HardwareBar : public ImagingWindowTest
{
protected:
    void SetUp() override
    {
        ImagingWindowTest::SetUp();
        VZHardwareBar::Startup();
    }
    void TearDown() override
    {
        VZHardwareBar::Shutdown();
        ImagingWindowTest::TearDown();
    }
    VZHardwareBar *MakeBar()
    {
        auto *bar = new VZHardwareBar(&mainWindow, hub->MessageInterface());
        host->Add(bar);
        Pump();
        return bar;
    }
    ZafEventType Send(VZHardwareBar *bar, ZafEventType type)
    {
        ZafEventStruct event(type, 0);
        return bar->Event(event);
    }

    StandInMainWindow mainWindow;
};

std::vector<KZTBButton *> ButtonsOf(VZHardwareBar *bar)
{
    std::vector<KZTBButton *> buttons;
    for (auto *object = bar->FirstChild(); object; object = static_cast<ZafWindowObject *>(object->Next()))
        if (auto *button = dynamic_cast<KZTBButton *>(object))
            buttons.push_back(button);
    return buttons;
}

} // namespace

TEST_F(HardwareBar, ShowsNewOpenAndSaveLeftToRightWidenedToTwoLinesOfText)
{
    VZHardwareBar *bar = MakeBar();
    const std::vector<KZTBButton *> buttons = ButtonsOf(bar);
    ASSERT_EQ(3u, buttons.size());
    const int widen = std::max(0, 2 * KZFontHeight(1) + 4 - 22);
    const ZafEventType values[] = { kEvtNewEvent, kEvtOpenEvent, kEvtSaveEvent };
    int previousRight = -1;
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(values[i], buttons[i]->Value()) << i;
        RECT rect;
        GetWindowRect(static_cast<HWND>(buttons[i]->OSWindow()), &rect);
        EXPECT_EQ(22 + widen, rect.right - rect.left) << i;
        EXPECT_EQ(22, rect.bottom - rect.top) << i;
        EXPECT_GE(rect.left, previousRight) << i;
        previousRight = rect.right;
    }
}

TEST_F(HardwareBar, IsTheHubViewsToolBarWhileItLives)
{
    VZHardwareBar *bar = MakeBar();
    EXPECT_EQ(static_cast<QVHardwareWindowHook *>(bar), hub->MessageInterface()->ToolBar());
    host->Subtract(bar);
    delete bar;
    EXPECT_EQ(nullptr, hub->MessageInterface()->ToolBar());
}

TEST_F(HardwareBar, NewAndOpenClearTheFirstLegsSelectionOfTheEventTheyGet)
{
    VZHardwareBar *bar = MakeBar();
    EXPECT_EQ(kEvtNewEvent, Send(bar, kEvtNewEvent));
    EXPECT_EQ(1, mainWindow.newCalls);
    EXPECT_TRUE(mainWindow.openNames.empty());

    SelectionRecordingEvent event;
    event.Initialize(QVEvent::kInitNew);
    mainWindow.event = &event;
    Send(bar, kEvtNewEvent);
    ASSERT_EQ(1u, event.selections.size());
    EXPECT_EQ(KPoint(-1, -1), event.selections[0]);

    EXPECT_EQ(kEvtOpenEvent, Send(bar, kEvtOpenEvent));
    ASSERT_EQ(1u, mainWindow.openNames.size());
    EXPECT_EQ(nullptr, mainWindow.openNames[0]);
    EXPECT_EQ(2u, event.selections.size());
    mainWindow.event = nullptr;
}

TEST_F(HardwareBar, StopCaptureAsksOnlyWhileACaptureRunsAndStopsOnlyWhenAgreed)
{
    VZHardwareBar *bar = MakeBar();
    EXPECT_EQ(kEvtStopCapture, Send(bar, kEvtStopCapture));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(1, hub->stops);

    hub->captureRunning = true;
    boxAnswer = -2993;   // Cancel
    EXPECT_EQ(kEvtStopCapture, Send(bar, kEvtStopCapture));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Stop Capture", boxes[0].caption);
    EXPECT_EQ(16u | 128u, boxes[0].buttons);
    EXPECT_EQ(128u, boxes[0].defaultButton);
    EXPECT_EQ(4, boxes[0].icon);
    EXPECT_EQ(1, hub->stops);

    boxAnswer = -2999;   // Ok
    Send(bar, kEvtStopCapture);
    EXPECT_EQ(2, hub->stops);
}

TEST_F(HardwareBar, StartNewestArmedStartsTheLatestArmedEventAndNothingWithoutOne)
{
    VZHardwareBar *bar = MakeBar();
    bar->StartNewestArmed(nullptr);
    EXPECT_TRUE(hub->started.empty());

    QVEvent early, late, lateToo;
    early.SetDateTime(KDateTime(2026, 5, 1, 10, 0, 0, 0));
    late.SetDateTime(KDateTime(2026, 5, 1, 11, 0, 0, 0));
    lateToo.SetDateTime(KDateTime(2026, 5, 1, 11, 0, 0, 0));
    for (QVEvent *event : { &early, &late, &lateToo })
        hub->Arm(event);
    bar->StartNewestArmed(nullptr);
    ASSERT_EQ(1u, hub->started.size());
    EXPECT_EQ(&late, hub->started[0]);
    EXPECT_EQ(0, hub->startedLegs[0]);

    hub->captureRunning = true;
    bar->StartNewestArmed(&early);
    EXPECT_EQ(1u, hub->started.size());
    hub->captureRunning = false;
    hub->Disarm(&early);
    bar->StartNewestArmed(&early);
    EXPECT_EQ(1u, hub->started.size());
    for (QVEvent *event : { &late, &lateToo })
        hub->Disarm(event);
}
