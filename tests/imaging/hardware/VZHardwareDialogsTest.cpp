// The manual-start and keyboard-capture dialogs on real windows.
#include <gtest/gtest.h>


#include "imaging/VZWindowCodes.h"
#include "imaging/hardware/VZKeyboardCaptureDialog.h"
#include "imaging/hardware/VZManualStartDialog.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/support/ModalTestSupport.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZString.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

using HardwareDialogs = ImagingWindowTest;

void PressSpace(ZafWindowObject *window, int times)
{
    for (int i = 0; i < times; ++i)
        PostMessageW(static_cast<HWND>(window->OSWindow()), WM_KEYDOWN, VK_SPACE, 0x00390001);
}

class RecordingTarget : public KZWindow
{
public:
    RecordingTarget() : KZWindow(0, 0, 50, 50) {}
    ZafEventType Event(const ZafEventStruct &event) override
    {
        received.push_back(event.type);
        return 77;
    }
    std::vector<ZafEventType> received;
};

class CountingCaptureDialog : public VZKeyboardCaptureDialog
{
public:
    using VZKeyboardCaptureDialog::VZKeyboardCaptureDialog;
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

} // namespace

TEST_F(HardwareDialogs, TheSpaceBarGivesOneHandStartWithTheOffsetWhenItIsATime)
{
    struct Case { const wchar_t *text; bool withOffset; };
    const Case cases[] = { { L"", false }, { L"abc", false }, { L"0.0", true } };
    for (const Case &c : cases) {
        hub->handStarts.clear();
        VZManualStartDialog dialog(hub.get());
        WhileModal([&dialog, &c] {
            dialog.OffsetField()->SetText(c.text);
            PressSpace(&dialog, 2);
        });
        EXPECT_EQ(kDialogOk, dialog.DoModal()) << c.text;
        ASSERT_EQ(1u, hub->handStarts.size()) << c.text;
        EXPECT_EQ(c.withOffset, hub->handStarts[0].withOffset) << c.text;
        if (c.withOffset) {
            EXPECT_EQ(0, hub->handStarts[0].offset.Ticks());
            EXPECT_EQ(VRaceTime::kTenth, hub->handStarts[0].offset.Resolution());
        }
    }
}

TEST_F(HardwareDialogs, CancelEndsTheManualStartWithoutAStart)
{
    VZManualStartDialog dialog(hub.get());
    WhileModal([] { QueueEvent(kDialogCancel); });
    EXPECT_EQ(kDialogCancel, dialog.DoModal());
    EXPECT_TRUE(hub->handStarts.empty());
}

TEST_F(HardwareDialogs, KeyboardCapturePassesTheCaptureKeyToItsTargetAndBeepsOnTheSpaceBar)
{
    RecordingTarget target;
    CountingCaptureDialog dialog(&target);
    EXPECT_EQ(77, dialog.Event(ZafEventStruct(kEvtKeyboardCapture, 0)));
    ASSERT_EQ(1u, target.received.size());
    EXPECT_EQ(kEvtCaptureKey, target.received[0]);

    ZafEventStruct space(ZAF_EVENT_OS, 0);
    space.osEvent.message = WM_KEYDOWN;
    space.osEvent.wParam = VK_SPACE;
    space.key = L' ';
    space.mapModifiers = 0x200;
    dialog.Event(space);
    EXPECT_EQ(1, dialog.beeps);
    EXPECT_EQ(1u, target.received.size());
}
