#include "ZafEventTestSupport.h"

// ---- Get --------------------------------------------------------------------

using ZafEventRetrieval = EventTest;

TEST_F(ZafEventRetrieval, NoWaitGetOnAnEmptyQueueAnswersAtOnceWithNoEvent)
{
    ZafEventStruct event(-77, 5);
    DWORD start = GetTickCount();
    EXPECT_EQ(ZAF_NOT_HANDLED, events->Get(event, ZAF_NO_WAIT));
    EXPECT_LT(GetTickCount() - start, 200u);
    EXPECT_EQ(ZAF_NO_EVENT, event.type);
}

TEST_F(ZafEventRetrieval, PeekLeavesTheEventAndTakingFromTheBackAnswersTheMostRecentEventPutThere)
{
    events->Put(ZafEventStruct(-500, 1), ZAF_QUEUE_BACK);
    events->Put(ZafEventStruct(-501, 2), ZAF_QUEUE_BACK);
    ZafEventStruct first, second;
    ASSERT_EQ(0, events->Get(first, ZAF_NO_WAIT | ZAF_PEEK));
    ASSERT_EQ(0, events->Get(second, ZAF_NO_WAIT | ZAF_PEEK));
    EXPECT_EQ(-500, first.type);
    EXPECT_EQ(-500, second.type);
    EXPECT_EQ(2, events->QueueCount());
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_BACK));
    EXPECT_EQ(-501, event.type);
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT));
    EXPECT_EQ(-500, event.type);
}

TEST_F(ZafEventRetrieval, QueueOnlyNoWaitLeavesWaitingOSMessagesAlone)
{
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 7, 0, 0);
    ZafEventStruct event;
    EXPECT_EQ(ZAF_NOT_HANDLED, events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY));
    EXPECT_EQ(ZAF_NO_EVENT, event.type);
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT));
    EXPECT_EQ(ZAF_EVENT_OS, event.type);
    EXPECT_EQ(UINT(WM_USER + 7), event.osEvent.message);
}

TEST_F(ZafEventRetrieval, AWaitingQueueOnlyGetOnAnEmptyQueueStillEndsWhenAMessageComes)
{
    // Nothing could ever end this wait if the OS queue were left unread.
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 5, 0, 0);
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_QUEUE_ONLY));
    EXPECT_EQ(UINT(WM_USER + 5), event.osEvent.message);
}

TEST_F(ZafEventRetrieval, OSMessagesBecomeRawEventsWithoutBeingDispatched)
{
    ZafWindowObject object(0, 0, 10, 10);
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_USER + 3, 11, 22);
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, 0));
    EXPECT_EQ(ZAF_EVENT_OS, event.type);
    EXPECT_EQ(window, event.osEvent.hwnd);
    EXPECT_EQ(UINT(WM_USER + 3), event.osEvent.message);
    EXPECT_EQ(11u, event.osEvent.wParam);
    EXPECT_EQ(22, event.osEvent.lParam);
    DestroyWindow(window);
}

TEST_F(ZafEventRetrieval, AFullQueueLeavesOSMessagesInTheOSQueue)
{
    ZafEventManager small(2);
    ZafEventManager::SetShared(&small);
    small.Put(ZafEventStruct(-500, 0), ZAF_QUEUE_BACK);
    small.Put(ZafEventStruct(-501, 0), ZAF_QUEUE_BACK);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 9, 0, 0);
    ZafEventStruct event;
    ASSERT_EQ(0, small.Get(event, ZAF_NO_WAIT));
    EXPECT_EQ(-500, event.type);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_USER + 9, WM_USER + 9, PM_NOREMOVE));
    ZafEventManager::SetShared(events.get());
}

// ---- Input translation and mapping ------------------------------------------

class ZafInputMapping : public EventTest
{
protected:
    void SetUp() override
    {
        EventTest::SetUp();
        GetKeyboardState(savedKeys);
    }
    void TearDown() override
    {
        SetKeyboardState(savedKeys);
        EventTest::TearDown();
    }
    ZafEventStruct KeyEvent(UINT message, WPARAM key)
    {
        ZafOSEventStruct os = {};
        os.message = message;
        os.wParam = key;
        return ZafEventStruct(ZAF_EVENT_OS, os);
    }
    // What object maps a fresh key message to.
    ZafLogicalEvent MapKey(ZafWindowObject &object, UINT message, WPARAM key)
    {
        ZafEventStruct event = KeyEvent(message, key);
        return object.MapEvent(event);
    }
    // The keyboard state shows the left Shift key held down.
    void HoldShift()
    {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    BYTE savedKeys[256];
};

TEST_F(ZafInputMapping, APostedLeftArrowBecomesTheLeftArrowEvent)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_KEYDOWN, VK_LEFT, 0x014B0001);
    ZafEventStruct event;
    ASSERT_EQ(0, events->Get(event, ZAF_NO_WAIT));
    ASSERT_EQ(ZAF_EVENT_OS, event.type);
    EXPECT_EQ(ZAF_INPUT_KEYBOARD, event.InputClass());
    ZafWindowObject object(0, 0, 10, 10);
    EXPECT_EQ(ZAF_L_LEFT, object.MapEvent(event));
    EXPECT_EQ(&object, event.windowObject);
    EXPECT_EQ(ZafRawCode(VK_LEFT), event.rawCode);
    DestroyWindow(window);
}

TEST_F(ZafInputMapping, ShiftLeftHasNoEntryInTheBaseMap)
{
    HoldShift();
    ZafWindowObject object(0, 0, 10, 10);
    ZafEventStruct event = KeyEvent(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(ZAF_NO_EVENT, object.MapInputTable(ZafWindowObject::defaultInputMap, event));
    EXPECT_EQ(ZAF_SHIFT, event.modifiers & ZAF_SHIFT);
    // MapEvent answers the event's own type where the map has nothing.
    EXPECT_EQ(ZAF_EVENT_OS, MapKey(object, WM_KEYDOWN, VK_LEFT));
}

TEST_F(ZafInputMapping, WindowMapTellsTabFromShiftTab)
{
    ZafWindow window(0, 0, 10, 10);
    EXPECT_EQ(ZAF_L_NEXT, MapKey(window, WM_KEYDOWN, VK_TAB));
    HoldShift();
    EXPECT_EQ(ZAF_L_PREVIOUS, MapKey(window, WM_KEYDOWN, VK_TAB));
}

TEST_F(ZafInputMapping, KeyReleasesAndFrameworkEventsAreNotMapped)
{
    ZafWindowObject object(0, 0, 10, 10);
    ZafEventStruct release = KeyEvent(WM_KEYUP, VK_LEFT);
    EXPECT_EQ(ZAF_EVENT_OS, object.MapEvent(release));
    EXPECT_EQ(ZAF_KEY_RELEASE, release.mapModifiers & ZAF_KEY_RELEASE);
    ZafEventStruct framework(ZAF_EV_REDRAW, 0);
    EXPECT_EQ(ZAF_EV_REDRAW, object.MapEvent(framework));
}

TEST_F(ZafInputMapping, MouseMessagesGiveTheirRawCodes)
{
    ZafWindowObject object(0, 0, 10, 10);
    struct Case { UINT message; WPARAM wParam; ZafLogicalEvent logical; } cases[] = {
        { WM_LBUTTONDOWN, MK_LBUTTON, ZAF_L_BEGIN_SELECT },
        { WM_LBUTTONDBLCLK, MK_LBUTTON, ZAF_L_DOUBLE_CLICK },
        { WM_MOUSEMOVE, MK_LBUTTON, ZAF_L_CONTINUE_SELECT },
        { WM_LBUTTONUP, 0, ZAF_L_END_SELECT },
        { WM_RBUTTONDOWN, MK_RBUTTON, ZAF_L_BEGIN_ALT },
        { WM_MOUSEMOVE, 0, ZAF_L_MOVE },
    };
    for (const Case &c : cases)
    {
        ZafOSEventStruct os = {};
        os.message = c.message;
        os.wParam = c.wParam;
        os.lParam = MAKELPARAM(3, 4);
        ZafEventStruct event(ZAF_EVENT_OS, os);
        EXPECT_EQ(c.logical, object.MapEvent(event)) << "message " << c.message;
    }
}
