#include "ZafEventTestSupport.h"

namespace {

ZafInt32 refuseExit(ZafDisplay *, ZafEventManager *, ZafWindowManager *) { return 1; }

// What the exit function saw of AskingSessionEnd, call by call; at its
// first call it meets a second session end and a close, as a question of
// the program's may while it is up.
std::vector<bool> askedForSessionEnd;
HWND nestedFrame = nullptr;
ZafWindow *nestedWindow = nullptr;
ZafInt32 nestingExit(ZafDisplay *, ZafEventManager *, ZafWindowManager *manager)
{
    askedForSessionEnd.push_back(manager->AskingSessionEnd());
    if (askedForSessionEnd.size() == 1)
    {
        SendMessageW(nestedFrame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        askedForSessionEnd.push_back(manager->AskingSessionEnd());
        ZafEventStruct close(ZAF_EV_CLOSE, 0);
        close.dataObject = nestedWindow;
        manager->Event(close);
        askedForSessionEnd.push_back(manager->AskingSessionEnd());
    }
    return askedForSessionEnd.size() == 5 ? 0 : 1;
}

int closeRequests = 0;
bool takeClose(ZafWindowManager *, ZafWindowObject *) { ++closeRequests; return false; }

LONG Style(ZafOSWindow window) { return GetWindowLongW(static_cast<HWND>(window), GWL_STYLE); }

SIZE ClientSize(ZafOSWindow window)
{
    RECT rect;
    GetClientRect(static_cast<HWND>(window), &rect);
    return { rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace

using ZafWindowFrame = EventTest;

TEST_F(ZafWindowFrame, ATitledSizeableTopLevelWindowHasAFrameAndAClientOfTheWantedSize)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(window);
    Pump(50);
    ASSERT_TRUE(window->Registered());
    ZafOSWindow frame = window->OSHandle(2);
    ZafOSWindow client = window->OSWindow();
    EXPECT_NE(frame, client);
    EXPECT_EQ(frame, window->FrameWindow());
    EXPECT_EQ(WS_THICKFRAME, Style(frame) & WS_THICKFRAME);
    EXPECT_EQ(WS_CAPTION, Style(frame) & WS_CAPTION);
    EXPECT_EQ(0, Style(frame) & WS_POPUP);
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, Style(client) & (WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(static_cast<HWND>(frame), GetParent(static_cast<HWND>(client)));
    SIZE size = ClientSize(client);
    EXPECT_EQ(200, size.cx);
    EXPECT_EQ(100, size.cy);
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(frame)));
}

TEST_F(ZafWindowFrame, ATopLevelWindowWithoutTitleIsAPopUp)
{
    ZafWindow *window = NewTopLevel(120, 60, { -1 });
    manager->Add(window);
    EXPECT_EQ(LONG(WS_POPUP), Style(window->OSHandle(2)) & LONG(WS_POPUP));
    EXPECT_NE(window->OSHandle(2), window->OSWindow());
    EXPECT_EQ(120, ClientSize(window->OSWindow()).cx);
}

TEST_F(ZafWindowFrame, AFixedSizeWindowGetsNoMaximizeBoxAndAThinBorder)
{
    ZafWindow *window = NewTopLevel(120, 60, { -1, -2, -3, -4, -5 });
    window->SetSizeable(false);
    manager->Add(window);
    LONG style = Style(window->OSHandle(2));
    EXPECT_EQ(0, style & WS_MAXIMIZEBOX);
    EXPECT_EQ(WS_MINIMIZEBOX, style & WS_MINIMIZEBOX);
    EXPECT_EQ(WS_SYSMENU, style & WS_SYSMENU);
    EXPECT_EQ(0, style & WS_THICKFRAME);
    EXPECT_EQ(WS_EX_DLGMODALFRAME, GetWindowLongW(static_cast<HWND>(window->OSHandle(2)), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(ZafWindowFrame, AddingAFramePartOnScreenRebuildsTheFrameWithTheNewStyle)
{
    ZafWindow *window = NewTopLevel(120, 60, { -1 });
    manager->Add(window);
    HWND before = static_cast<HWND>(window->OSHandle(2));
    window->Add(new FramePart(-5));
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(WS_CAPTION, Style(window->OSHandle(2)) & WS_CAPTION);
    EXPECT_EQ(0, Style(window->OSHandle(2)) & LONG(WS_POPUP));
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(window->OSHandle(2))));
}

TEST_F(ZafWindowFrame, ChildrenOfAWindowLiveInItsClientWindowAtTheirPlace)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    ZafWindowObject *child = new ZafWindowObject(10, 20, 50, 15);
    child->SetCoordinateType(ZAF_PIXEL);
    window->Add(child);
    manager->Add(window);
    Pump(30);
    HWND handle = static_cast<HWND>(child->OSWindow());
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(static_cast<HWND>(window->OSWindow()), GetParent(handle));
    RECT rect;
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, static_cast<HWND>(window->OSWindow()), reinterpret_cast<POINT *>(&rect), 2);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(50, rect.right - rect.left);
}

class ZafWindowNavigation : public EventTest
{
protected:
    void SetUp() override
    {
        EventTest::SetUp();
        window = NewTopLevel(300, 120, { -1, -5 });
        left = AddField(10, 10);
        right = AddField(150, 10);
        below = AddField(10, 60);
        manager->Add(window);
        Pump(50);
        ASSERT_TRUE(Activate(window));
    }
    ZafWindowObject *AddField(int x, int y)
    {
        ZafWindowObject *field = new ZafWindowObject(x, y, 100, 20);
        field->SetCoordinateType(ZAF_PIXEL);
        window->Add(field);
        return field;
    }
    void Key(WPARAM key)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump(60);
    }

    ZafWindow *window = nullptr;
    ZafWindowObject *left = nullptr, *right = nullptr, *below = nullptr;
};

TEST_F(ZafWindowNavigation, TabMovesTheFocusToTheNextChildAndWraps)
{
    left->SetFocus(true);
    Pump(30);
    ASSERT_EQ(Handle(left), GetFocus());
    EXPECT_EQ(left, window->CurrentChild());
    Key(VK_TAB);
    EXPECT_EQ(Handle(right), GetFocus());
    EXPECT_EQ(right, window->CurrentChild());
    EXPECT_TRUE(right->Focus());
    EXPECT_FALSE(left->Focus());
    Key(VK_TAB);
    EXPECT_EQ(Handle(below), GetFocus());
    Key(VK_TAB);
    EXPECT_EQ(Handle(left), GetFocus());
}

TEST_F(ZafWindowNavigation, TabSkipsDisabledChildren)
{
    right->SetDisabled(true);
    left->SetFocus(true);
    Pump(30);
    Key(VK_TAB);
    EXPECT_EQ(Handle(below), GetFocus());
}

TEST_F(ZafWindowNavigation, ArrowsMoveAcrossTheRowAndWrapToTheFarSide)
{
    left->SetFocus(true);
    Pump(30);
    Key(VK_RIGHT);
    EXPECT_EQ(Handle(right), GetFocus());
    // Nothing lies right of the rightmost field of the row: the focus wraps.
    Key(VK_RIGHT);
    EXPECT_EQ(Handle(left), GetFocus());
    Key(VK_DOWN);
    EXPECT_EQ(Handle(below), GetFocus());
}

TEST_F(ZafWindowFrame, WmCloseDestroysAWindowOtherThanTheMainOneAndEndsTheLoopWithoutAskingTheExitFunctionOrQuitting)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(window);
    manager->SetExitFunction(refuseExit);
    Pump(30);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    HWND client = static_cast<HWND>(window->OSWindow());
    PostMessageW(frame, WM_CLOSE, 0, 0);
    DWORD start = GetTickCount();
    EXPECT_EQ(ZAF_MODAL_GONE, RunLoop(2000));
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(client));
    EXPECT_EQ(nullptr, manager->FrontWindow());
    // The last window out queued -7.
    ZafEventStruct event;
    bool lastWindowGone = false;
    while (events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
        lastWindowGone = lastWindowGone || event.type == ZAF_EV_LAST_WINDOW_GONE;
    EXPECT_TRUE(lastWindowGone);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(ZafWindowFrame, ClosingTheMainWindowAsksTheExitFunctionWhichMayRefuse)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(window);
    manager->SetMainWindow(window->OSWindow());
    manager->SetExitFunction(refuseExit);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, RunLoop(300));
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(window, manager->FrontWindow());
    manager->SetMainWindow(nullptr);
}

// A session end and a close are told apart by the exit function however
// they nest, and each gives back what it found; a session end allowed stays
// pending until the system says whether it ends.
TEST_F(ZafWindowFrame, NestedSessionEndsAndClosesAreToldApartAndAnAllowedEndIsPendingUntilItsAnswer)
{
    nestedWindow = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(nestedWindow);
    manager->SetMainWindow(nestedWindow->OSWindow());
    manager->SetExitFunction(nestingExit);
    nestedFrame = static_cast<HWND>(nestedWindow->OSHandle(2));
    askedForSessionEnd.clear();
    EXPECT_EQ(TRUE, SendMessageW(nestedFrame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_EQ((std::vector<bool>{ true, true, true, false, true }), askedForSessionEnd);
    EXPECT_FALSE(manager->AskingSessionEnd());
    EXPECT_TRUE(manager->SessionEndPending());
    SendMessageW(nestedFrame, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(manager->SessionEndPending());
    EXPECT_TRUE(IsWindow(nestedFrame)) << "a called-off session end closed the window";
    manager->SetMainWindow(nullptr);
}

// The application may take a close of its main window as it arrives (a
// dialog's own loop never reads the queue): then nothing is queued.
TEST_F(ZafWindowFrame, ACloseOfTheMainWindowTakenByTheCloseRequestFunctionIsNotQueued)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    manager->Add(window);
    manager->SetMainWindow(window->OSWindow());
    manager->SetExitFunction(refuseExit);
    manager->SetCloseRequestFunction(takeClose);
    Drain();
    closeRequests = 0;
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    EXPECT_EQ(0, SendMessageW(frame, WM_CLOSE, 0, 0));
    EXPECT_EQ(1, closeRequests);
    ZafEventStruct event;
    bool queued = false;
    while (events->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
        queued = queued || event.type == ZAF_EV_CLOSE;
    EXPECT_FALSE(queued);
    manager->SetCloseRequestFunction(nullptr);
    manager->SetMainWindow(nullptr);
}

TEST_F(ZafWindowFrame, ALockedWindowStaysOnWmClose)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    window->SetLocked(true);
    manager->Add(window);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    EXPECT_EQ(0, SendMessageW(frame, WM_CLOSE, 0, 0));
    EXPECT_EQ(0, RunLoop(300));
    EXPECT_TRUE(IsWindow(frame));
}

TEST_F(ZafWindowFrame, SizeOnAFixedSizeWindowDoesNothingAndTheSystemMenuGraysIt)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -4, -5 });
    window->SetSizeable(false);
    manager->Add(window);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    RECT before, after;
    GetWindowRect(frame, &before);
    EXPECT_EQ(0, SendMessageW(frame, WM_SYSCOMMAND, SC_SIZE, 0));
    GetWindowRect(frame, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    HMENU menu = GetSystemMenu(frame, FALSE);
    ASSERT_NE(nullptr, menu);
    SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 1));
    EXPECT_EQ(UINT(MF_GRAYED), GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(ZafWindowFrame, AMaximizedWindowRebuiltStaysMaximizedWithItsRestoreRegion)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -2, -5 });
    manager->Add(window);
    Pump(30);
    ZafRegionStruct before = window->Region();
    SendMessageW(static_cast<HWND>(window->OSHandle(2)), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(window->Maximized());
    EXPECT_EQ(before.left, window->RestoreRegion().left);
    EXPECT_EQ(before.right, window->RestoreRegion().right);
    window->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    window->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    EXPECT_TRUE(window->Maximized());
    EXPECT_TRUE(IsZoomed(static_cast<HWND>(window->OSHandle(2))));
}

TEST_F(ZafWindowFrame, AMaximizedWindowComesOnScreenOnlyWhenVisible)
{
    for (bool visible : { true, false })
    {
        SCOPED_TRACE(visible ? "visible" : "hidden");
        ZafWindow *window = NewTopLevel(200, 100, { -1, -2, -5 });
        window->SetMaximized(true);
        window->SetVisible(visible);
        manager->Add(window);
        Pump(30);
        HWND frame = static_cast<HWND>(window->OSHandle(2));
        EXPECT_TRUE(IsZoomed(frame));
        EXPECT_EQ(visible, IsWindowVisible(frame) != FALSE);
        EXPECT_EQ(visible, window->IsVisible(true));
        manager->Subtract(window);
        delete window;
    }
}
