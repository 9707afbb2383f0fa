#include "ZafEventTestSupport.h"

#include "framework/core/events/ZafCursor.h"
#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafMouse.h"

namespace {

ZafDevice *FindDevice(ZafEventManager &events, ZafDeviceType type)
{
    for (ZafDevice *device = events.First(); device; device = device->Next())
        if (device->DeviceType() == type)
            return device;
    return nullptr;
}

} // namespace

using ZafInputDevices = EventTest;

TEST_F(ZafInputDevices, TheStateQueryAnswersTheStateWithoutChangingIt)
{
    ZafKeyboard keyboard(ZAF_DEVICE_OFF);
    ZafCursor caret(ZAF_DEVICE_ON, ZAF_CARET_INSERT);
    EXPECT_EQ(ZAF_DEVICE_OFF, keyboard.Event(ZafEventStruct(ZAF_DEVICE_STATE_QUERY, 0)));
    EXPECT_EQ(ZAF_DEVICE_OFF, keyboard.DeviceState());
    // Switching answers the new state; other codes come back unchanged.
    EXPECT_EQ(ZAF_DEVICE_ON, keyboard.Event(ZafEventStruct(ZAF_DEVICE_ON, 0)));
    EXPECT_EQ(ZAF_DEVICE_ON, keyboard.Event(ZafEventStruct(ZAF_DEVICE_STATE_QUERY, 0)));
    EXPECT_EQ(ZAF_CARET_INSERT, keyboard.Event(ZafEventStruct(ZAF_CARET_INSERT, 0)));
    EXPECT_EQ(ZAF_DEVICE_ON, keyboard.DeviceState());
    EXPECT_EQ(ZAF_DEVICE_ON, caret.Event(ZafEventStruct(ZAF_DEVICE_STATE_QUERY, 0)));
    ZafDevice *mouse = FindDevice(*events, ZAF_MOUSE);
    ASSERT_NE(nullptr, mouse);
    EXPECT_EQ(ZAF_DEVICE_ON, mouse->Event(ZafEventStruct(ZAF_DEVICE_STATE_QUERY, 0)));
    EXPECT_EQ(ZAF_DEVICE_ON, mouse->DeviceState());
}

TEST_F(ZafInputDevices, TheBusyAndArrowImagesShowTheSystemCursorsAndAnUnknownImageIsStoredLeavingThePointerAlone)
{
    EXPECT_EQ(ZAF_POINTER_BUSY, events->DeviceState(ZAF_MOUSE, ZAF_POINTER_BUSY));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), GetCursor());
    events->DeviceState(ZAF_MOUSE, ZAF_POINTER_IBEAM);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_IBEAM), GetCursor());
    events->DeviceState(ZAF_MOUSE, ZAF_POINTER_ARROW);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), GetCursor());
    EXPECT_EQ(ZAF_POINTER_ARROW, static_cast<ZafMouse *>(FindDevice(*events, ZAF_MOUSE))->Image());
    events->DeviceState(ZAF_MOUSE, ZAF_POINTER_BUSY);
    HCURSOR before = GetCursor();
    EXPECT_EQ(-3250, events->DeviceState(ZAF_MOUSE, -3250));
    EXPECT_EQ(before, GetCursor());
    EXPECT_EQ(-3250, static_cast<ZafMouse *>(FindDevice(*events, ZAF_MOUSE))->Image());
}

TEST_F(ZafInputDevices, ASwitchedOffKeyboardDoesNotHangANoWaitGet)
{
    events->SetDeviceState(ZAF_KEYBOARD, ZAF_DEVICE_OFF);
    ZafEventStruct event;
    DWORD start = GetTickCount();
    EXPECT_EQ(ZAF_NOT_HANDLED, events->Get(event, ZAF_NO_WAIT));
    EXPECT_EQ(ZAF_NOT_HANDLED, events->Get(event, ZAF_NO_WAIT));
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_EQ(ZAF_NO_EVENT, event.type);
}

TEST_F(ZafInputDevices, ASwitchedOffKeyboardDropsKeysButKeepsOtherMessages)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    events->SetDeviceState(ZAF_KEYBOARD, ZAF_DEVICE_OFF);
    PostMessageW(window, WM_KEYDOWN, 'A', 0);
    PostMessageW(window, WM_USER + 1, 0, 0);
    ZafEventStruct event;
    bool sawKey = false, sawUser = false;
    for (int i = 0; i < 10; ++i)
        if (events->Get(event, ZAF_NO_WAIT) == 0 && event.type == ZAF_EVENT_OS)
        {
            sawKey = sawKey || event.osEvent.message == WM_KEYDOWN;
            sawUser = sawUser || event.osEvent.message == WM_USER + 1;
        }
    EXPECT_FALSE(sawKey);
    EXPECT_TRUE(sawUser);
    DestroyWindow(window);
}

TEST_F(ZafInputDevices, ASwitchedOnKeyboardNeverTakesEventsOffTheQueue)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_KEYDOWN, 'A', 0);
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT));
    EXPECT_EQ(UINT(WM_KEYDOWN), event.osEvent.message);
    DestroyWindow(window);
}

TEST_F(ZafInputDevices, TheCaretKeepsItsModeAndTheMouseMovesThePointer)
{
    ZafCursor caret(ZAF_DEVICE_ON, ZAF_CARET_INSERT);
    EXPECT_EQ(ZAF_CARET_OVERSTRIKE, caret.Event(ZafEventStruct(ZAF_CARET_OVERSTRIKE, 0)));
    EXPECT_EQ(ZAF_CARET_OVERSTRIKE, caret.Mode());
    EXPECT_EQ(ZAF_DEVICE_OFF, caret.Event(ZafEventStruct(ZAF_DEVICE_OFF, 0)));
    EXPECT_EQ(ZAF_DEVICE_OFF, caret.DeviceState());

    ZafEventStruct move(ZAF_DEVICE_MOVE_POINTER, 0);
    move.region.Assign(123, 77, 123, 77, ZAF_PIXEL);
    events->BroadcastToDevices(move, ZAF_MOUSE);
    POINT point;
    GetCursorPos(&point);
    EXPECT_EQ(123, point.x);
    EXPECT_EQ(77, point.y);
}
