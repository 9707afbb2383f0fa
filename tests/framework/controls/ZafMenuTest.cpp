// Menus: the free-standing pop-up menu, its entries and the menu bar, on a
// real window.
#include "ZafFieldTestSupport.h"

#include <string>
#include <vector>

#include "framework/controls/ZafFrameButtons.h"
#include "framework/controls/ZafMDIWindow.h"
#include "framework/controls/ZafMenuImages.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/controls/ZafPopUpItem.h"
#include "framework/controls/ZafPopUpMenu.h"
#include "framework/controls/ZafPullDownItem.h"
#include "framework/controls/ZafPullDownMenu.h"
#include "framework/core/events/ZafHelpTips.h"

namespace {

std::vector<ZafEventType> chosen;
bool menuHeldWhenChosen = false;
ZafPopUpMenu *shownMenu = nullptr;

ZafEventType RecordChoice(ZafWindowObject *, ZafEventStruct &, ZafEventType code)
{
    chosen.push_back(code);
    ZafWindowManager *manager = ZafWindowManager::Shared();
    menuHeldWhenChosen = manager && shownMenu && manager->Contains(shownMenu);
    return 0;
}

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// Chooses the first entry of the menu that is open.
void CALLBACK ChooseFirstEntry(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
}

// A window whose client logs the events it is given.
LoggingWindow *NewLoggingWindow()
{
    LoggingWindow *window = new LoggingWindow(40, 40, 200, 120);
    window->SetCoordinateType(ZAF_PIXEL);
    window->Add(new FramePart(-1));
    window->Add(new FramePart(-5));
    return window;
}

HMENU FrameMenu(ZafWindow *window)
{
    return GetMenu(static_cast<HWND>(window->OSHandle(2)));
}

std::wstring MenuString(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, UINT(position), text, 64, MF_BYPOSITION);
    return text;
}

ZafPullDownItem *Entry(const wchar_t *text, ZafIChar hotKey)
{
    ZafPullDownItem *entry = new ZafPullDownItem(text);
    entry->SetHotKey(hotKey, 0);
    return entry;
}

} // namespace

using ZafPopUpMenuShowing = FieldTest;

TEST_F(ZafPopUpMenuShowing, AChosenEntryIsHandledWhileTheMenuIsHeldThenTheMenuGoes)
{
    chosen.clear();
    LoggingWindow *window = NewLoggingWindow();
    manager->Add(window);
    ASSERT_TRUE(Activate(window));
    ZafPopUpMenu *menu = new ZafPopUpMenu(100, 100);
    ZafPopUpItem *entry = new ZafPopUpItem(L"Ten", 0);
    entry->SetValue(10100);
    entry->SetSendMessage(true);
    entry->SetUserFunction(RecordChoice);
    menu->Add(entry);
    shownMenu = menu;
    SetTimer(nullptr, 0, 200, ChooseFirstEntry);
    manager->Add(menu);        // returns once the menu was dismissed
    HMENU handle = static_cast<HMENU>(menu->OSHandle());
    EXPECT_EQ(std::vector<ZafEventType>{ ZAF_EV_MENU_CHOSEN }, chosen);
    EXPECT_TRUE(menuHeldWhenChosen);
    Pump(100);
    EXPECT_FALSE(manager->Contains(menu));
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(1, window->Count(10100));    // the command reaches the window behind
    shownMenu = nullptr;
    delete menu;
}

TEST_F(ZafPopUpMenuShowing, AMenuWithoutEntriesClosesAtOnce)
{
    ZafWindow *window = NewLoggingWindow();
    manager->Add(window);
    ZafPopUpMenu menu(10, 10);
    manager->Add(&menu);
    EXPECT_EQ(nullptr, menu.OSHandle());
    Pump(50);
    EXPECT_FALSE(manager->Contains(&menu));
    EXPECT_EQ(window, manager->FrontWindow());
}

// The picture's rows, top first, separated by '|': 'X' black, '.' transparent.
std::string Picture(const ZafBitmapData *image)
{
    const ZafBitmapStruct &bitmap = image->Bitmap();
    std::string rows;
    for (ZafInt32 y = 0; y < bitmap.height; ++y)
    {
        if (y)
            rows += '|';
        for (ZafInt32 x = 0; x < bitmap.width; ++x)
            rows += bitmap.array[y * bitmap.width + x] == 0 ? 'X' : bitmap.array[y * bitmap.width + x] == -1 ? '.' : '?';
    }
    return rows;
}

TEST(ZafMenuImagesTest, MarksAndArrowsAreDrawnPixelForPixel)
{
    ZafMenuImages::Use();
    EXPECT_EQ(".........|.......X.|......XX.|.X...XXX.|.XX.XXX..|.XXXXX...|..XXX....|...X.....|.........|.........",
              Picture(ZafMenuImages::Check()));
    EXPECT_EQ(".........|.........|...XXX...|..XXXXX..|..XXXXX..|..XXXXX..|...XXX...|.........|.........|.........",
              Picture(ZafMenuImages::Radio()));
    EXPECT_EQ("X....|XX...|XXX..|XXXX.|XXXXX|XXXX.|XXX..|XX...|X....", Picture(ZafMenuImages::RightArrow()));
    EXPECT_EQ("....X|...XX|..XXX|.XXXX|XXXXX|.XXXX|..XXX|...XX|....X", Picture(ZafMenuImages::LeftArrow()));
}

using ZafPopUpItemEntry = FieldTest;

TEST_F(ZafPopUpItemEntry, StandardTypesGiveTheirValueAndText)
{
    struct Case { int type; ZafInt32 value; const wchar_t *text; };
    const Case cases[] = {
        { 2, ZAF_EV_CLOSE, L"Close" }, { 3, ZAF_EV_MAXIMIZE, nullptr }, { 6, ZAF_EV_RESTORE, nullptr },
        { 10, ZAF_EV_EXIT, L"Exit" }, { 11, ZAF_EV_COPY, L"Copy\tCtl+C" }, { 13, ZAF_EV_PASTE, L"Paste\tCtl+V" },
    };
    for (const Case &c : cases)
    {
        ZafPopUpItem item(L"x", 0);
        EXPECT_EQ(c.type, item.SetType(c.type));
        EXPECT_EQ(c.value, item.Value()) << c.type;
        if (c.text)
            EXPECT_STREQ(c.text, item.Text()) << c.type;
    }
    ZafPopUpItem separator(L"", 7);
    EXPECT_TRUE(separator.IsDisabled(false));
    EXPECT_TRUE(separator.FocusBlocked());
}

// An entry with a drop-down answers for itself first, then for what its
// drop-down holds: by number, by string id and by a narrow text.
template <class Item> void ExpectDropDownLookups()
{
    Item item(L"File");
    item.SetNumberID(7);
    item.SetStringID(L"file");
    ZafPopUpItem *open = new ZafPopUpItem(L"Open");
    open->SetNumberID(8);
    open->SetStringID(L"open");
    item.Add(open);
    EXPECT_EQ(&item, item.GetObjectByNumberID(7));
    EXPECT_EQ(open, item.GetObjectByNumberID(8));
    EXPECT_EQ(&item, item.GetObjectByStringID(L"file"));
    EXPECT_EQ(open, item.GetObjectByStringID(L"open"));
    EXPECT_EQ(open, item.GetObjectByText("open"));
    EXPECT_EQ(nullptr, item.GetObjectByStringID(L"save"));
    EXPECT_EQ(nullptr, item.GetObjectByText(nullptr));
    EXPECT_EQ(nullptr, item.FocusObject());
}

TEST_F(ZafPopUpItemEntry, EntriesWithADropDownFindThemselvesThenTheirDropDownsEntries)
{
    {
        SCOPED_TRACE("pop-up entry");
        ExpectDropDownLookups<ZafPopUpItem>();
    }
    {
        SCOPED_TRACE("menu-bar entry");
        ExpectDropDownLookups<ZafPullDownItem>();
    }
}

TEST_F(ZafPopUpItemEntry, CheckAndGreyStatesWaitForRegistrationThenFollowAtOnce)
{
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = Entry(L"File", L'f');
    bar->Add(file);
    ZafPopUpItem *checked = new ZafPopUpItem(L"Checked", 0);
    ZafPopUpItem *greyed = new ZafPopUpItem(L"Greyed", 0);
    file->Add(checked);
    file->Add(greyed);
    file->Add(new ZafPopUpItem(L"", 7));
    EXPECT_TRUE(checked->SetSelected(true));
    EXPECT_TRUE(greyed->SetDisabled(true));
    ZafWindow *window = NewLoggingWindow();
    window->Add(bar);
    manager->Add(window);
    HMENU sub = GetSubMenu(FrameMenu(window), 0);
    ASSERT_NE(nullptr, sub);
    EXPECT_EQ(3, GetMenuItemCount(sub));
    EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(sub, 2, MF_BYPOSITION) & MF_SEPARATOR);
    checked->SetSelected(false);
    greyed->SetDisabled(false);
    EXPECT_FALSE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_GRAYED);
}

// Menu bars shown in the frame of a logging window.
class ZafPullDownMenuBar : public FieldTest
{
protected:
    // Puts bar in a new logging window and shows the window.
    ZafWindow *Show(ZafPullDownMenu *bar)
    {
        ZafWindow *window = NewLoggingWindow();
        window->Add(bar);
        manager->Add(window);
        return window;
    }
    // Adds a "File" entry holding one "Open" entry to bar.
    ZafPullDownItem *AddFileWithOpen(ZafPullDownMenu *bar)
    {
        ZafPullDownItem *file = Entry(L"File", L'f');
        file->Add(new ZafPopUpItem(L"Open", 0));
        bar->Add(file);
        return file;
    }
};

TEST_F(ZafPullDownMenuBar, EntriesStandAtTheirPositionsWithTheirHotKeys)
{
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    bar->Add(Entry(L"File", L'f'));
    bar->Add(Entry(L"Edit", L'e'));
    ZafWindow *window = Show(bar);
    HMENU menu = FrameMenu(window);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(2, GetMenuItemCount(menu));
    EXPECT_EQ(L"&File", MenuString(menu, 0));
    EXPECT_EQ(L"&Edit", MenuString(menu, 1));
    static_cast<ZafWindowObject *>(bar->FirstChild())->SetDisabled(true);
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(ZafPullDownMenuBar, ChoosingAPlainEntryCallsItsUserFunction)
{
    chosen.clear();
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *edit = Entry(L"Edit", L'e');
    edit->SetUserFunction(RecordChoice);
    bar->Add(Entry(L"File", L'f'));
    bar->Add(edit);
    ZafWindow *window = Show(bar);
    SendMessageW(static_cast<HWND>(window->OSHandle(2)), WM_COMMAND, WPARAM(ZafUInt16(edit->NumberID())), 0);
    EXPECT_EQ(std::vector<ZafEventType>{ ZAF_EV_MENU_CHOSEN }, chosen);
}

TEST_F(ZafPullDownMenuBar, AnEntryThatGainsItsFirstSubEntryOnScreenKeepsItsPosition)
{
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = Entry(L"File", L'f');
    bar->Add(file);
    bar->Add(Entry(L"Edit", L'e'));
    ZafWindow *window = Show(bar);
    HMENU menu = FrameMenu(window);
    file->Add(new ZafPopUpItem(L"Open", 0));
    EXPECT_EQ(2, GetMenuItemCount(menu));
    EXPECT_EQ(L"&File", MenuString(menu, 0));
    ASSERT_NE(nullptr, GetSubMenu(menu, 0));
    EXPECT_EQ(1, GetMenuItemCount(GetSubMenu(menu, 0)));
    EXPECT_EQ(L"&Edit", MenuString(menu, 1));
    file->SetDisabled(true);
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(ZafPullDownMenuBar, ClosingAllMenusChangesNoCurrentEntryAndTheBarsMenuGoesWithTheWindow)
{
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = AddFileWithOpen(bar);
    ZafWindow *window = Show(bar);
    HMENU menu = FrameMenu(window);
    bar->Event(RawMessage(nullptr, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), LPARAM(menu)));
    EXPECT_EQ(file, bar->CurrentChild());
    EXPECT_TRUE(file->Focus());
    bar->Event(RawMessage(nullptr, WM_MENUSELECT, MAKEWPARAM(0, 0), 0));
    EXPECT_EQ(file, bar->CurrentChild());
    bar->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
    EXPECT_EQ(nullptr, bar->CurrentChild());
    EXPECT_FALSE(file->Focus());
    HMENU sub = GetSubMenu(menu, 0);
    manager->Remove(window);
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsMenu(sub));
}

TEST_F(ZafPullDownMenuBar, AHighlightedEntryLendsTheStatusLineItsSecondTip)
{
    ZafHelpTips *tips = static_cast<ZafHelpTips *>(events->Add(new ZafHelpTips(ZAF_DEVICE_ON, 1)));
    TextObject status(0, 0, 10, 1, L"Ready");
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = Entry(L"File", L'f');
    ZafPopUpItem *open = new ZafPopUpItem(L"Open", 0);
    open->SetTipText2(L"Opens a file");
    file->Add(open);
    bar->Add(file);
    ZafWindow *window = Show(bar);
    ASSERT_TRUE(Activate(window));
    manager->statusObject = &status;
    HMENU menu = FrameMenu(window);
    bar->Event(RawMessage(nullptr, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), LPARAM(menu)));
    bar->Event(RawMessage(nullptr, WM_MENUSELECT, MAKEWPARAM(ZafUInt16(open->NumberID()), MF_HILITE),
        LPARAM(GetSubMenu(menu, 0))));
    EXPECT_TRUE(open->Focus());
    EXPECT_EQ(L"Opens a file", status.text);
    bar->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
    EXPECT_FALSE(open->Focus());
    EXPECT_EQ(L"Ready", status.text);
    manager->statusObject = nullptr;
    (void)tips;
}

TEST_F(ZafPullDownMenuBar, AMaximizedDocumentsSystemMenuMovesTheEntriesOnByOne)
{
    ZafMDIWindow *frame = new ZafMDIWindow(30, 30, 400, 300);
    frame->SetCoordinateType(ZAF_PIXEL);
    frame->Add(new FramePart(-1));
    frame->Add(new FramePart(-5));
    ZafPullDownMenu *bar = new ZafPullDownMenu;
    ZafPullDownItem *file = Entry(L"File", L'f');
    bar->Add(file);
    bar->Add(Entry(L"Edit", L'e'));
    frame->Add(bar);
    ZafMDIWindow *document = new ZafMDIWindow(10, 10, 120, 80, ZAF_MDI_CHILD);
    document->SetCoordinateType(ZAF_PIXEL);
    document->Add(new FramePart(-1));
    document->Add(new FramePart(-5));
    document->Add(new ZafSystemButton(0));      // the system menu the frame's bar shows
    frame->Add(document);
    manager->Add(frame);
    Pump(50);
    frame->Event(ZafEventStruct(ZAF_EV_MDI_MAXIMIZE, 0));
    Pump(50);
    HMENU menu = FrameMenu(frame);
    ASSERT_NE(nullptr, GetSubMenu(menu, 0));   // the document's system menu comes first
    EXPECT_EQ(L"&File", MenuString(menu, 1));
    file->SetDisabled(true);
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED);
}
