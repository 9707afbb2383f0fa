// The frame buttons: the commands they accept, their settings, what their
// selection queues, and the system button's menu in the window's OS system
// menu.
#include "ZafFieldTestSupport.h"

#include <initializer_list>

#include "framework/controls/ZafFrameButtons.h"
#include "framework/controls/ZafPopUpItem.h"

namespace {

int userCalls = 0;

ZafEventType CountCall(ZafWindowObject *, ZafEventStruct &, ZafEventType)
{
    ++userCalls;
    return 0;
}

HMENU SystemMenu(ZafWindow *window)
{
    return GetSystemMenu(static_cast<HWND>(window->OSHandle(2)), FALSE);
}

int QueuedCount(ZafEventManager &events, ZafEventType type)
{
    int count = 0;
    ZafEventStruct event;
    std::vector<ZafEventStruct> taken;
    while (events.Get(event, ZAF_NO_WAIT) == 0)
    {
        if (event.type == type)
            ++count;
        taken.push_back(event);
    }
    for (const ZafEventStruct &again : taken)
        events.Put(again, ZAF_QUEUE_BACK);
    return count;
}

// Selects the button as the framework does: through its member function.
void Select(ZafButton &button)
{
    if (const ZafMemberUserFunction select = button.MemberUserFunction())
        (button.*select)(ZafEventStruct(ZAF_L_SELECT, 0), ZAF_L_SELECT);
}

} // namespace

using ZafMaximizeButtonCommands = FieldTest;

TEST_F(ZafMaximizeButtonCommands, EachFrameButtonTakesOnlyTheCommandsOfItsKind)
{
    ZafMaximizeButton maximize;
    EXPECT_EQ(ZAF_EV_MAXIMIZE, maximize.SetValue(ZAF_L_SELECT));
    EXPECT_EQ(ZAF_EV_RESTORE, maximize.SetValue(ZAF_EV_RESTORE));
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, maximize.SetValue(ZAF_EV_MDI_MAXIMIZE));
    EXPECT_EQ(ZAF_EV_MDI_MAXIMIZE, maximize.SetValue(ZAF_EV_MINIMIZE));
    ZafMinimizeButton minimize;
    EXPECT_EQ(ZAF_EV_MINIMIZE, minimize.Value());
    EXPECT_EQ(ZAF_EV_MINIMIZE, minimize.SetValue(ZAF_EV_MAXIMIZE));
    EXPECT_EQ(ZAF_EV_MDI_RESTORE, minimize.SetValue(ZAF_EV_MDI_RESTORE));
    EXPECT_TRUE(minimize.SetFocusBlocked(false));
    ZafSystemButton system(0);
    EXPECT_EQ(0, system.SetValue(ZAF_EV_CLOSE));
    EXPECT_FALSE(system.SetFocusBlocked(true));
}

TEST_F(ZafMaximizeButtonCommands, SendingIsPinnedPerButtonAndNoneKeepsAMessageText)
{
    ZafMaximizeButton maximize;
    ZafMinimizeButton minimize;
    ZafSystemButton system(0);
    for (ZafButton *sizing : std::initializer_list<ZafButton *>{ &maximize, &minimize })
    {
        Drain();
        EXPECT_TRUE(sizing->SetSendMessage(false)) << sizing->ClassName();
        Select(*sizing);
        EXPECT_EQ(1, QueuedCount(*events, sizing->Value())) << sizing->ClassName();
    }
    Drain();
    EXPECT_FALSE(system.SetSendMessage(true));
    Select(system);
    EXPECT_EQ(0, QueuedCount(*events, system.Value()));
    for (ZafButton *button : std::initializer_list<ZafButton *>{ &maximize, &minimize, &system })
    {
        EXPECT_EQ(nullptr, button->SetMessageText(L"note")) << button->ClassName();
        EXPECT_EQ(nullptr, button->MessageText()) << button->ClassName();
    }
}

using ZafSystemButtonMenu = FieldTest;

TEST_F(ZafSystemButtonMenu, MenuTypeZeroLeavesTheSystemMenuAlone)
{
    ZafWindow *plain = NewTopLevel(200, 100, { -1, -4, -5 });   // a system-menu frame part of the tests
    manager->Add(plain);
    int standard = GetMenuItemCount(SystemMenu(plain));
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    window->Add(new ZafSystemButton(0));
    manager->Add(window);
    EXPECT_TRUE(WindowStyle(window->OSHandle(2)) & WS_SYSMENU);
    EXPECT_EQ(standard, GetMenuItemCount(SystemMenu(window)));
}

TEST_F(ZafSystemButtonMenu, LookupsFindTheButtonItselfElseAnItemOfItsMenu)
{
    ZafSystemButton button(1);
    ZafPopUpItem *item = new ZafPopUpItem(L"Close");
    item->SetNumberID(9);
    item->SetStringID(L"close");
    button.AddMenuItem(item);
    EXPECT_EQ(&button, button.GetObjectByNumberID(-4));
    EXPECT_EQ(&button, button.GetObjectByStringID(L"ZAF_NUMID_SYSTEM"));
    EXPECT_EQ(item, button.GetObjectByNumberID(9));
    EXPECT_EQ(item, button.GetObjectByStringID(L"close"));
    EXPECT_EQ(nullptr, button.GetObjectByStringID(L"open"));
}

TEST_F(ZafSystemButtonMenu, ItsOwnItemsReplaceTheSystemMenuUntilItIsUnregistered)
{
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    ZafSystemButton *button = new ZafSystemButton(1);
    button->AddMenuItem(new ZafPopUpItem(L"Restore", 6));
    button->AddMenuItem(new ZafPopUpItem(L"Close", 2));
    window->Add(button);
    manager->Add(window);
    HMENU menu = SystemMenu(window);
    EXPECT_EQ(2, GetMenuItemCount(menu));
    EXPECT_EQ(UINT(SC_CLOSE), GetMenuItemID(menu, 1));
    button->Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
    EXPECT_GT(GetMenuItemCount(SystemMenu(window)), 2);
}

TEST_F(ZafSystemButtonMenu, ItsCloseEntryClosesTheWindowThroughTheOSAlone)
{
    userCalls = 0;
    ZafWindow *window = NewTopLevel(200, 100, { -1, -5 });
    ZafSystemButton *button = new ZafSystemButton(1);
    ZafPopUpItem *close = new ZafPopUpItem(L"Close", 2);
    close->SetUserFunction(CountCall);
    button->AddMenuItem(close);
    window->Add(button);
    manager->Add(window);
    Drain();
    SendMessageW(static_cast<HWND>(window->OSHandle(2)), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, userCalls);
    EXPECT_EQ(1, QueuedCount(*events, ZAF_EV_CLOSE));   // the OS's close request, no second one
    Pump(100);
    EXPECT_FALSE(manager->Contains(window));
}

TEST_F(ZafSystemButtonMenu, StandardFrameObjectsGiveTheWholeCaption)
{
    ZafWindow *window = new ZafWindow(40, 40, 200, 100);
    window->SetCoordinateType(ZAF_PIXEL);
    window->AddFrameObjects(L"T");
    manager->Add(window);
    const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
    EXPECT_EQ(wanted, WindowStyle(window->OSHandle(2)) & wanted);
    EXPECT_EQ(L"T", ControlText(window->OSHandle(2)));
    EXPECT_NE(nullptr, window->SupportObject(-2));
    EXPECT_NE(nullptr, window->SupportObject(-3));
    EXPECT_EQ(0, static_cast<ZafSystemButton *>(window->SystemButton())->SystemMenuType());
}
