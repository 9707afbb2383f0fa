#include "ZafEventTestSupport.h"

#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

class TestButton : public EventLog
{
public:
    TestButton(int left, int top) : EventLog(left, top, 60, 20) { SetCoordinateType(ZAF_PIXEL); }
    ZafClassID ClassID() const override { return ZAF_ID_BUTTON; }
    bool IsAClassID(ZafClassID id) const override { return id == ZAF_ID_BUTTON || EventLog::IsAClassID(id); }
    bool AllowDefault() const override { return true; }
};

} // namespace

class ZafWindowRouting : public EventTest
{
protected:
    void SetUp() override
    {
        EventTest::SetUp();
        window = NewTopLevel(300, 120, { -1, -5 });
        field = new EventLog(10, 10, 100, 20);
        field->SetCoordinateType(ZAF_PIXEL);
        window->Add(field);
        button = new TestButton(150, 10);
        window->Add(button);
        manager->Add(window);
        Pump(30);
        ASSERT_TRUE(IsWindow(static_cast<HWND>(window->OSWindow())));
        ASSERT_TRUE(IsWindow(static_cast<HWND>(field->OSWindow())));
        ASSERT_TRUE(Activate(window));
    }

    ZafWindow *window = nullptr;
    EventLog *field = nullptr;
    TestButton *button = nullptr;
};

TEST_F(ZafWindowRouting, EnterPressesTheDefaultButtonButNotADisabledOne)
{
    window->SetDefaultButton(button, true);
    field->SetFocus(true);
    Pump(20);
    window->Event(RawMessage(field->OSWindow(), WM_KEYDOWN, VK_RETURN, 1));
    EXPECT_EQ(1, button->Count(ZAF_L_SELECT));
    button->SetDisabled(true);
    window->Event(RawMessage(field->OSWindow(), WM_KEYDOWN, VK_RETURN, 1));
    EXPECT_EQ(1, button->Count(ZAF_L_SELECT));
}

TEST_F(ZafWindowRouting, ACommandFromAControlGoesBackToThatControl)
{
    HWND client = static_cast<HWND>(window->OSWindow());
    HWND control = static_cast<HWND>(field->OSWindow());
    SendMessageW(client, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(1, field->CountMessage(WM_COMMAND));
    // Colour and scroll messages from a control are reflected the same way.
    HDC context = GetDC(client);
    SendMessageW(client, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(control));
    ReleaseDC(client, context);
    EXPECT_EQ(1, field->CountMessage(WM_CTLCOLORSTATIC));
    SendMessageW(client, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(1, field->CountMessage(WM_VSCROLL));
    // Owner drawing and notifications name their control in their records.
    HDC drawContext = GetDC(control);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_STATIC;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = control;
    item.hDC = drawContext;
    item.rcItem = { 0, 0, 100, 20 };
    EXPECT_EQ(WM_DRAWITEM, SendMessageW(client, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
    ReleaseDC(control, drawContext);
    EXPECT_EQ(1, field->CountMessage(WM_DRAWITEM));
    NMHDR header = { control, 7, 1 };
    SendMessageW(client, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(1, field->CountMessage(WM_NOTIFY));
}

TEST_F(ZafWindowRouting, AMenuCommandGoesToTheObjectWithThatNumberID)
{
    button->SetNumberID(321);
    SendMessageW(static_cast<HWND>(window->OSWindow()), WM_COMMAND, MAKEWPARAM(321, 0), 0);
    EXPECT_EQ(1, button->CountMessage(WM_COMMAND));
    EXPECT_EQ(0, field->CountMessage(WM_COMMAND));
}

TEST_F(ZafWindowRouting, HotKeysReachTheChildrenUpperCased)
{
    field->SetFocus(true);
    Pump(20);
    window->Event(RawMessage(field->OSWindow(), WM_SYSKEYDOWN, 'A', 0x20000001));
    ASSERT_EQ(1, field->Count(ZAF_EV_HOT_KEY));
    EXPECT_EQ(L'A', field->keys.front());
    EXPECT_EQ(1, button->Count(ZAF_EV_HOT_KEY));
}

TEST_F(ZafWindowRouting, AKeyPressOnAChildGivesItExactlyOneCharacter)
{
    field->SetFocus(true);
    Pump(20);
    HWND handle = static_cast<HWND>(field->OSWindow());
    ASSERT_EQ(handle, GetFocus());
    PostMessageW(handle, WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageW(handle, WM_KEYUP, 'A', 0xC01E0001);
    Pump(80);
    EXPECT_EQ(1, field->CountMessage(WM_CHAR));
}

TEST_F(ZafWindowRouting, EscapeClosesTheTemporaryWindowInFront)
{
    ZafWindow *popUp = NewTopLevel(80, 40, {});
    popUp->SetTemporary(true);
    manager->Add(popUp);
    ASSERT_EQ(popUp, manager->FrontWindow());
    HWND handle = static_cast<HWND>(popUp->OSWindow());
    PostMessageW(handle, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(handle, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    Pump(100);
    EXPECT_EQ(window, manager->FrontWindow());
    EXPECT_EQ(1, manager->Count());
}

TEST_F(ZafWindowRouting, EscapeEndsADragBeforeAnyoneElseSeesTheKey)
{
    manager->dragObject = field;
    PostMessageW(static_cast<HWND>(field->OSWindow()), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump(50);
    EXPECT_EQ(nullptr, manager->dragObject);
    EXPECT_EQ(0, field->CountMessage(WM_KEYDOWN));
}

TEST_F(ZafWindowRouting, ActivationFocusesTheWindowAndTheFrontWindowHoldsTheFocus)
{
    ZafWindow *second = NewTopLevel(100, 60, { -1, -5 }, 400, 40);
    manager->Add(second);
    ASSERT_TRUE(Activate(second));
    EXPECT_EQ(second, manager->FrontWindow());
    ZafEventStruct activate(ZAF_EV_ACTIVATE, 0);
    activate.dataObject = window;
    manager->Event(activate);
    Pump(50);
    EXPECT_EQ(window, manager->FrontWindow());
    EXPECT_TRUE(window->Focus());
}

// A 60 x 30 object in design mode at (40, 30) of a shown top-level window.
class ZafDesignMode : public EventTest
{
protected:
    void SetUp() override
    {
        EventTest::SetUp();
        window = NewTopLevel(300, 150, { -1, -5 });
        object = new ZafWindowObject(40, 30, 60, 30);
        object->SetCoordinateType(ZAF_PIXEL);
        object->SetDesignMode(true);
        window->Add(object);
        manager->Add(window);
        Pump(30);
        handle = static_cast<HWND>(object->OSWindow());
    }
    // Drags the object with the left button from one of its points to another.
    void Drag(int fromX, int fromY, int toX, int toY)
    {
        PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY));
        PostMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(WORD(toX), toY));
        PostMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(WORD(toX), toY));
        Pump(150);
    }

    ZafWindow *window = nullptr;
    ZafWindowObject *object = nullptr;
    HWND handle = nullptr;
};

TEST_F(ZafDesignMode, APressNearTheLeftEdgeSizesOnlyTheLeftEdge)
{
    ASSERT_NE(nullptr, handle);
    Drag(2, 10, -8, 10);
    ZafRegionStruct region = object->Region();
    EXPECT_EQ(30, region.left);
    EXPECT_EQ(99, region.right);
    EXPECT_EQ(30, region.top);
    EXPECT_EQ(59, region.bottom);
}

TEST_F(ZafDesignMode, APressInTheMiddleMovesTheObject)
{
    Drag(30, 15, 40, 20);
    ZafRegionStruct region = object->Region();
    EXPECT_EQ(50, region.left);
    EXPECT_EQ(109, region.right);
    EXPECT_EQ(35, region.top);
    RECT rect;
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, static_cast<HWND>(window->OSWindow()), reinterpret_cast<POINT *>(&rect), 2);
    EXPECT_EQ(50, rect.left);
    EXPECT_EQ(35, rect.top);
}

TEST_F(ZafWindowRouting, ThePointerEnteringAnObjectMakesItTheTipObjectUntilTheTimerSeesItLeave)
{
    HWND handle = static_cast<HWND>(field->OSWindow());
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(field, manager->tipObject);
    EXPECT_EQ(1, field->Count(ZAF_EV_POINTER_ENTERED));
    ASSERT_NE(0u, ZafTipsTimer());
    // The pointer is far away when the timer fires: the object is left.
    SetCursorPos(1270, 1010);
    ZafOSEventStruct os = {};
    os.message = WM_TIMER;
    os.wParam = ZafTipsTimer();
    manager->Event(ZafEventStruct(ZAF_EVENT_OS, os));
    EXPECT_EQ(nullptr, manager->tipObject);
    EXPECT_EQ(1, field->Count(ZAF_EV_POINTER_LEFT));
    EXPECT_EQ(0u, ZafTipsTimer());
}

TEST_F(ZafWindowRouting, RemovingAWindowRemovesTheWindowsItOwns)
{
    ZafWindow *owned = NewTopLevel(80, 40, { -1, -5 }, 500, 200);
    owned->SetOwner(window);
    manager->Add(owned);
    HWND ownedFrame = static_cast<HWND>(owned->OSHandle(2));
    EXPECT_EQ(static_cast<HWND>(window->OSHandle(2)), GetWindow(ownedFrame, GW_OWNER));
    manager->Remove(window);
    EXPECT_EQ(0, manager->Count());
    EXPECT_FALSE(IsWindow(ownedFrame));
}

TEST_F(ZafWindowRouting, DeletingAWindowOnScreenDestroysItsOSWindows)
{
    manager->Subtract(window);
    manager->Add(window);
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    HWND child = static_cast<HWND>(field->OSWindow());
    manager->ZafList::Subtract(window);   // out of the list, still on screen
    delete window;
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(child));
}

namespace {

struct RecordingHelp : ZafHelpSystem
{
    void DisplayHelp(const ZafIChar *topic) override { topics.push_back(topic ? topic : L"(none)"); }
    std::vector<std::wstring> topics;
};

} // namespace

TEST_F(ZafWindowRouting, HelpShowsTheTopicOfTheObjectOrItsNearestAncestor)
{
    RecordingHelp help;
    ZafHelpSystem *previous = ZafHelpSystem::SetShared(&help);
    window->SetHelpTopic(L"window topic");
    field->Event(ZafEventStruct(ZAF_EV_HELP, 0));
    button->SetHelpTopic(L"button topic");
    button->Event(ZafEventStruct(ZAF_EV_HELP, 0));
    // F1 shows the topic of the object that holds the focus.
    button->SetFocus(true);
    Pump(20);
    SendMessageW(static_cast<HWND>(button->OSWindow()), WM_KEYDOWN, VK_F1, 1);
    ZafHelpSystem::SetShared(previous);
    ASSERT_EQ(3u, help.topics.size());
    EXPECT_EQ(L"window topic", help.topics[0]);
    EXPECT_EQ(L"button topic", help.topics[1]);
    EXPECT_EQ(L"button topic", help.topics[2]);
}

TEST_F(ZafWindowRouting, DisablingAWindowDisablesItsChildWindows)
{
    window->SetDisabled(true);
    EXPECT_FALSE(IsWindowEnabled(static_cast<HWND>(field->OSWindow())));
    window->SetDisabled(false);
    EXPECT_TRUE(IsWindowEnabled(static_cast<HWND>(field->OSWindow())));
}

TEST_F(ZafWindowRouting, TheSystemMenuOfALockedImmovableWindowGraysCloseAndMove)
{
    ZafWindow *locked = NewTopLevel(100, 50, { -1, -4, -5 }, 420, 40);
    locked->SetLocked(true);
    locked->SetMoveable(false);
    manager->Add(locked);
    HWND frame = static_cast<HWND>(locked->OSHandle(2));
    HMENU menu = GetSystemMenu(frame, FALSE);
    ASSERT_NE(nullptr, menu);
    SendMessageW(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 1));
    EXPECT_EQ(UINT(MF_GRAYED), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(UINT(MF_GRAYED), GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    RECT before, after;
    GetWindowRect(frame, &before);
    EXPECT_EQ(0, SendMessageW(frame, WM_SYSCOMMAND, SC_MOVE, 0));
    GetWindowRect(frame, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(ZafWindowRouting, ALanguageChangeReachesEveryWindowAndItsDescendants)
{
    ZafEventStruct change(ZAF_EV_CHANGE_LANGUAGE, 0);
    change.text = new ZafIChar[2] { L'C', 0 };
    EXPECT_EQ(ZAF_EV_CHANGE_LANGUAGE, manager->Event(change));
    EXPECT_LE(1, field->Count(ZAF_EV_LANGUAGE_CHANGED));
    EXPECT_LE(1, button->Count(ZAF_EV_LANGUAGE_CHANGED));
}
