#include "ZafFieldTestSupport.h"

#include "framework/controls/ZafNumberField.h"
#include "framework/controls/ZafString.h"
#include "framework/core/events/ZafHelpTips.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

HWND FindTip()
{
    return FindWindowW(L"ZafHelpTips", nullptr);
}

} // namespace

class ZafHelpTipsDevice : public FieldTest
{
protected:
    void SetUp() override
    {
        FieldTest::SetUp();
        // The window manager's pointer watch (left running by earlier
        // windows) would take the tip object away when the real pointer is
        // elsewhere: these tests place the pointer themselves.
        if (ZafTipsTimer())
            KillTimer(nullptr, ZafTipsTimer());
        ZafSetTipsTimer(0);
        // The real pointer may rest where an earlier test left it, over
        // where this test's window appears: its moves would make another
        // object the tip object. It waits in the screen's far corner.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        tips = static_cast<ZafHelpTips *>(events->Add(new ZafHelpTips(ZAF_DEVICE_ON, 0)));
        target = new TextObject(2, 2, 80, 30);
        target->SetTipText(L"Hello");
        target->SetTipText2(L"Says hello");
        window = ShowWindow({ target }, 300, 150);
        manager->tipObject = target;
    }
    void TearDown() override
    {
        manager->tipObject = nullptr;
        manager->statusObject = nullptr;
        FieldTest::TearDown();
    }

    // The pointer rests on the target at (x, y) of its window: the device
    // hears of it, then a mouse move arrives through the queue.
    void PointerRestsAt(int x, int y)
    {
        tips->Event(ZafEventStruct(ZAF_EV_POINTER_ENTERED, 0));
        PostMessageW(static_cast<HWND>(target->OSWindow()), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    // Runs the loop until the tip shows (or a second has passed).
    HWND WaitForTip()
    {
        for (int i = 0; i < 100 && !tips->WindowShown(); ++i)
            Pump(10);
        return FindTip();
    }
    POINT ScreenPoint(int x, int y)
    {
        POINT point = { x, y };
        ClientToScreen(static_cast<HWND>(target->OSWindow()), &point);
        return point;
    }

    ZafHelpTips *tips = nullptr;
    ZafWindowObject *target = nullptr;
    ZafWindow *window = nullptr;
};

TEST_F(ZafHelpTipsDevice, AddingTheDeviceRegistersTheTipWindowClass)
{
    WNDCLASSW info;
    EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"ZafHelpTips", &info));
}

TEST_F(ZafHelpTipsDevice, ATipShowsBelowThePointerOnceTheTimerHasRun)
{
    ASSERT_TRUE(Activate(window));
    PointerRestsAt(10, 5);
    EXPECT_EQ(nullptr, FindTip());    // not before the delay
    HWND tip = WaitForTip();
    ASSERT_NE(nullptr, tip);
    EXPECT_TRUE(GetWindowLongW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(tip, &rect);
    POINT expected = ScreenPoint(10, 5);
    EXPECT_EQ(expected.x, rect.left);
    EXPECT_EQ(expected.y + 16, rect.top);
}

TEST_F(ZafHelpTipsDevice, OnlyPlainStringAndTextFieldsHoldTheirTipsEightPixelsBelowThePointer)
{
    auto *plain = new ZafString(2, 40, 80, L"plain");
    auto *number = new ZafInteger(2, 70, 80, 5);   // a string field by descent
    for (ZafWindowObject *field : { static_cast<ZafWindowObject *>(plain), static_cast<ZafWindowObject *>(number) })
    {
        field->SetCoordinateType(ZAF_PIXEL);
        field->SetTipText(L"Tip");
        window->Add(field);
    }
    ASSERT_TRUE(Activate(window));
    const struct
    {
        ZafWindowObject *field;
        int below;
    } cases[] = { { plain, 8 }, { number, 16 } };
    for (const auto &item : cases)
    {
        target = item.field;
        manager->tipObject = item.field;
        PointerRestsAt(10, 5);
        HWND tip = WaitForTip();
        ASSERT_NE(nullptr, tip) << item.field->ClassName();
        RECT rect;
        GetWindowRect(tip, &rect);
        EXPECT_EQ(ScreenPoint(10, 5).y + item.below, rect.top) << item.field->ClassName();
        // A key disarms the tips, so that the next one waits for the pointer again.
        PostMessageW(static_cast<HWND>(window->OSWindow()), WM_KEYDOWN, VK_SHIFT, 0);
        Pump(50);
    }
}

TEST_F(ZafHelpTipsDevice, ATipNearTheRightEdgeEndsAtTheEdge)
{
    ASSERT_TRUE(Activate(window));
    POINT origin = ScreenPoint(0, 0);
    PointerRestsAt(display->columns - 5 - origin.x, 5);
    HWND tip = WaitForTip();
    ASSERT_NE(nullptr, tip);
    RECT rect;
    GetWindowRect(tip, &rect);
    EXPECT_EQ(display->columns, rect.right);   // its last column is width - 1
    EXPECT_LT(rect.left, display->columns - 5);
}

TEST_F(ZafHelpTipsDevice, AKeyPressTakesTheTipAwayAndDisarms)
{
    ASSERT_TRUE(Activate(window));
    PointerRestsAt(10, 5);
    HWND tip = WaitForTip();
    ASSERT_NE(nullptr, tip);
    PostMessageW(static_cast<HWND>(window->OSWindow()), WM_KEYDOWN, VK_SHIFT, 0);
    Pump(50);
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_FALSE(tips->Armed());
}

TEST_F(ZafHelpTipsDevice, ATipWhoseObjectIsGonePaintsWithoutText)
{
    ASSERT_TRUE(Activate(window));
    PointerRestsAt(10, 5);
    HWND tip = WaitForTip();
    ASSERT_NE(nullptr, tip);
    manager->tipObject = nullptr;
    InvalidateRect(tip, nullptr, TRUE);
    UpdateWindow(tip);
    EXPECT_TRUE(IsWindow(tip));
}

TEST_F(ZafHelpTipsDevice, StatusStyleShowsNoWindowButLendsTheStatusLineTheSecondText)
{
    TextObject status(0, 0, 10, 1, L"Ready");
    manager->statusObject = &status;
    tips->SetStyle(1);
    ASSERT_TRUE(Activate(window));
    PointerRestsAt(10, 5);
    EXPECT_EQ(L"Says hello", status.text);
    for (int i = 0; i < 100 && !tips->WindowShown(); ++i)
        Pump(10);
    EXPECT_TRUE(tips->WindowShown());
    EXPECT_EQ(nullptr, FindTip());
    tips->Event(ZafEventStruct(ZAF_EV_POINTER_LEFT, 0));
    EXPECT_EQ(L"Ready", status.text);
}
