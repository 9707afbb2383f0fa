// The remote pad over a recording hub, pressed by a hand with a tick source
// the test moves; alignment starts and their rates; the lane ruler.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "foundation/errors/KErrorCodes.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/support/HardwareWindowsTestSupport.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/windows/VZAlignPane.h"
#include "imaging/windows/VZAlignWindow.h"
#include "imaging/windows/VZLaneBar.h"
#include "imaging/windows/VZRemoteButton.h"
#include "imaging/windows/VZRemotePane.h"
#include "imaging/windows/VZRemoteWindow.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

using Commands = std::vector<std::pair<wchar_t, wchar_t>>;

class CameraTools : public ImagingWindowTest
{
protected:
    VZRemotePane *RemotePad()
    {
        auto *window = new VZRemoteWindow(host, hub_.MessageInterface());
        window->SetCoordinateType(kCoordPixels);
        host->Add(window);
        window->SetCameraNumber(0);
        Pump();
        return window->Pane();
    }
    VZAlignWindow *Alignment()
    {
        auto *window = new VZAlignWindow(host, hub_.MessageInterface());
        host->Add(window);
        window->SetCameraNumber(0);
        Pump();
        return window;
    }
    std::wstring ErrorText(int32_t code)
    {
        KString text;
        app->ErrorText(code, -1, text);
        return text.CStr();
    }

    ControlHub hub_;
    HandTicks ticks;
};

} // namespace

TEST_F(CameraTools, RemoteButtonsSendSlowThenFastOnceAndStopAfterAFastHold)
{
    struct Case
    {
        int button;
        int32_t held;        // ms between press and the drag
        Commands expected;
    };
    const Case cases[] = {
        { 0, 0, { { L'A', L'8' } } },
        { 0, 510, { { L'A', L'8' }, { L'A', L'6' }, { L'0', L'0' } } },
        { 7, 510, { { L'2', L'8' }, { L'2', L'3' }, { L'0', L'0' } } },
        { 11, 500, { { L'4', L'8' } } },         // exactly 500 ms is not yet a hold
    };
    VZRemotePane *pad = RemotePad();
    for (const Case &c : cases) {
        hub_.commands.clear();
        ListHand hand(pad->Button(c.button));
        hand.Press(13, 13);
        ticks.Advance(c.held);
        hand.Move(14, 13);
        hand.Release(14, 13);
        EXPECT_EQ(c.expected, hub_.commands) << c.button << " " << c.held;
        EXPECT_EQ(-1, pad->HeldCode());
        EXPECT_EQ(nullptr, app->GrabWindow());
    }
}

TEST_F(CameraTools, RemoteButtonsSitAtTheirPlacesAt26By26)
{
    VZRemotePane *pad = RemotePad();
    auto screenRect = [&](int button) {
        RECT rect = {};
        GetWindowRect(static_cast<HWND>(pad->Button(button)->OSWindow()), &rect);
        return rect;
    };
    // Places relative to the clockwise button at (10, 10).
    const RECT origin = screenRect(4);
    const struct
    {
        int button;
        int left;
        int top;
        int32_t code;
    } cases[] = { { 0, 40, 10, 10562 }, { 3, 70, 40, 10565 }, { 6, 10, 100, 10568 }, { 11, 70, 100, 10573 } };
    for (const auto &c : cases) {
        const RECT rect = screenRect(c.button);
        EXPECT_EQ(c.left - 10, rect.left - origin.left) << c.button;
        EXPECT_EQ(c.top - 10, rect.top - origin.top) << c.button;
        EXPECT_EQ(26, rect.right - rect.left) << c.button;
        EXPECT_EQ(c.code, pad->Button(c.button)->Code()) << c.button;
    }
}

TEST_F(CameraTools, ModeTwoStartsLowerTheRateDownToTheFloor)
{
    hub_.camera.SetParameter(VCamera::kDensity, 0);        // 1024 pixels per frame
    hub_.camera.SetParameter(VCamera::kFrameRate, 20000);
    const int64_t product = int64_t(hub_.camera.FrameHeight()) * 20000 * 2;
    VZAlignWindow *window = Alignment();
    window->Align(true, 0);
    std::vector<int32_t> expected{ int32_t(product / 400000) };
    for (int32_t rate = 350000; rate >= 0; rate -= 50000) {
        window->Align(true, 2);
        expected.push_back(int32_t(product / std::max<int32_t>(rate, 10000)));
    }
    window->Align(true, 2);
    expected.push_back(int32_t(product / 10000));
    EXPECT_EQ(expected, hub_.alignValues);
    EXPECT_EQ(10000, window->Pane()->Rate());
    EXPECT_TRUE(boxes.empty());

    window->Align(false, 0);
    EXPECT_EQ(1, hub_.alignStops);
}

TEST_F(CameraTools, AlignmentRefusesWhileCapturingAndReportsAMissingCameraOrAFailedStart)
{
    VZAlignWindow *window = Alignment();
    hub_.captureRunning = true;
    window->Align(true, 0);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(std::wstring(VImagingText(kTextAlignWhileCapturing).CStr()), boxes[0].text);
    EXPECT_TRUE(hub_.alignValues.empty());

    hub_.captureRunning = false;
    hub_.hasCamera = false;
    window->Align(true, 0);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(ErrorText(kErrHardwareCapture), boxes[1].text);
    EXPECT_TRUE(hub_.alignValues.empty());

    hub_.hasCamera = true;
    hub_.startAnswer = false;
    window->Align(true, 0);
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(ErrorText(kErrHardwareCapture), boxes[2].text);
}

TEST_F(CameraTools, TheLaneRulerNumbersReversedLanesAndScalesBoundariesToItsLength)
{
    hub_.lanes = 4;
    hub_.reversed = true;
    hub_.boundaries = { 0, 2500, 5000, 7500, 10000 };
    auto *window = new KZWindow(0, 0, 120, 200);
    window->SetCoordinateType(kCoordPixels);
    host->Add(window);
    auto *bar = new VZLaneBar(nullptr, &hub_, 0);
    window->Add(bar);
    Pump();
    ASSERT_EQ(200, bar->Length());

    EXPECT_EQ((std::vector<std::wstring>{ L"4", L"3", L"2", L"1" }), LaneTexts(bar));
    EXPECT_EQ(50, bar->DividerPosition(1));
    EXPECT_EQ(0, bar->DividerPosition(-1));
    EXPECT_EQ(200, bar->DividerPosition(5));
    EXPECT_EQ(3, bar->LaneAt(60));

    bar->MoveDivider(1, 30);
    EXPECT_EQ(1500, hub_.boundaries[1]);
    bar->MoveDivider(3, 500);                 // past the end: the whole length
    EXPECT_EQ(10000, hub_.boundaries[3]);

    hub_.lanes = 0;
    EXPECT_EQ(-1, bar->DividerPosition(1));
}
