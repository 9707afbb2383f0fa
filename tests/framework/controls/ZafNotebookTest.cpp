// The notebook on real windows: choosing pages by call, keys, hot keys and
// focus, the page area, the tab layout and its scroll buttons, storage.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafNotebook.h"
#include "framework/controls/ZafString.h"
#include "framework/controls/ZafText.h"
#include "framework/controls/ZafTitle.h"
#include "framework/storage/ZafMemoryPersistence.h"
#include "framework/windows/ZafGdiDisplay.h"

namespace {

// A notebook that counts its page-change notices.
class CountingNotebook : public ZafNotebook
{
public:
    CountingNotebook() : ZafNotebook(0, 0, 300, 200) { SetCoordinateType(ZAF_PIXEL); }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == ZAF_EV_PAGE_CHANGED)
            ++changes;
        return ZafNotebook::Event(event);
    }
    int changes = 0;
};

ZafWindow *NewPage(const wchar_t *title)
{
    auto *page = new ZafWindow(0, 0, 100, 50);
    page->SetCoordinateType(ZAF_PIXEL);
    if (title)
        page->Add(new ZafTitle(title));
    return page;
}

class ZafNotebookTest : public ControlTest
{
protected:
    CountingNotebook *ShowNotebook(std::initializer_list<const wchar_t *> titles)
    {
        notebook = new CountingNotebook;
        for (const wchar_t *title : titles)
            notebook->Add(NewPage(title));
        window = NewTopLevel(320, 240, { -1, -5 });
        window->Add(notebook);
        manager->Add(window);
        return notebook;
    }

    ZafWindow *Page(int index) { return static_cast<ZafWindow *>(notebook->Get(index)); }
    HWND Control() const { return static_cast<HWND>(notebook->OSWindow()); }

    // The width of a text in the notebook's text font, as the tab layout
    // measures it.
    int MeasuredWidth(const wchar_t *text)
    {
        ZafGdiDisplay *gdi = display.get();
        HDC context = GetDC(Control());
        gdi->PrepareDeviceContext(context);
        gdi->SetFont(notebook->ResolvePalette(ZAF_PT_TEXT, notebook->PaletteState()).font);
        ZafRegionStruct extent = gdi->TextExtent(text);
        gdi->RestoreDisplayContext();
        ReleaseDC(Control(), context);
        return extent.right - extent.left + 1;
    }

    CountingNotebook *notebook = nullptr;
    ZafWindow *window = nullptr;
};

void PressKeys(const std::vector<std::pair<WORD, bool>> &keys)
{
    std::vector<INPUT> inputs;
    for (const auto &key : keys)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key.first;
        input.ki.dwFlags = key.second ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Keys held together: pressed in order, released in reverse.
void Chord(std::initializer_list<WORD> keys)
{
    std::vector<std::pair<WORD, bool>> strokes;
    for (WORD key : keys)
        strokes.push_back({ key, true });
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        strokes.push_back({ *key, false });
    PressKeys(strokes);
    DispatchFor(300);
}

} // namespace

TEST_F(ZafNotebookTest, OnlyTheCurrentPageIsOnScreenAndChangesAreAnnounced)
{
    ShowNotebook({ L"One", L"Two", L"Three" });
    EXPECT_EQ(0, notebook->CurrentPageIndex());
    EXPECT_TRUE(Page(0)->Registered());
    // The first page added became current with a notice of its own.
    EXPECT_EQ(1, notebook->changes);
    notebook->changes = 0;
    for (int index : { -1, 3, 0 })
    {
        notebook->SetCurrentPage(index);
        EXPECT_EQ(0, notebook->CurrentPageIndex()) << index;
    }
    EXPECT_EQ(0, notebook->changes);
    notebook->SetCurrentPage(2);
    EXPECT_EQ(1, notebook->changes);
    EXPECT_EQ(2, notebook->CurrentPageIndex());
    EXPECT_FALSE(Page(0)->Registered());
    EXPECT_FALSE(Page(1)->Registered());
    EXPECT_TRUE(Page(2)->Registered());
    EXPECT_TRUE(notebook->Tab(2)->Selected());
    EXPECT_FALSE(notebook->Tab(0)->Selected());
}

TEST_F(ZafNotebookTest, ThePageAreaLiesBelowTheTabRow)
{
    const struct { bool border; int left, top, right, bottom; } cases[] = {
        { true, 8, 30, 291, 191 }, { false, 6, 28, 293, 193 },
    };
    for (const auto &c : cases)
    {
        ZafNotebook book(0, 0, 300, 200);
        book.SetCoordinateType(ZAF_PIXEL);
        book.SetBorder(c.border);
        ZafRegionStruct client = book.ClientRegion(nullptr);
        EXPECT_EQ(c.left, client.left);
        EXPECT_EQ(c.top, client.top);
        EXPECT_EQ(c.right, client.right);
        EXPECT_EQ(c.bottom, client.bottom);
    }
}

TEST_F(ZafNotebookTest, TabsAreAsWideAsTheirTextsAndAllFittingHidesTheScrollButtons)
{
    ShowNotebook({ L"General", L"Ports" });
    const int cellWidth = ZafDisplay::SharedOrDefault().cellWidth;
    ZafRegionStruct first = notebook->Tab(0)->Region(), second = notebook->Tab(1)->Region();
    EXPECT_EQ(2, first.left);
    EXPECT_EQ(first.left + MeasuredWidth(L"General") + 2 * cellWidth + 1, second.left);
    EXPECT_EQ(second.left + 3, first.right);
    EXPECT_FALSE(notebook->LeftButton()->IsVisible(false));
    EXPECT_FALSE(notebook->RightButton()->IsVisible(false));
}

TEST_F(ZafNotebookTest, TabsThatDoNotFitScrollByWholeTabs)
{
    ShowNotebook({ L"Alpha page", L"Bravo page", L"Charlie page", L"Delta page", L"Echo page", L"Foxtrot page" });
    ASSERT_TRUE(notebook->LeftButton()->IsVisible(false));
    EXPECT_TRUE(notebook->LeftButton()->IsDisabled(false));
    EXPECT_FALSE(notebook->RightButton()->IsDisabled(false));
    notebook->Event(ZafEventStruct(-311, 0));
    EXPECT_EQ(1, notebook->FirstVisibleTab());
    EXPECT_FALSE(notebook->LeftButton()->IsDisabled(false));
    // The second tab now starts where the first one did.
    EXPECT_EQ(2, notebook->Tab(1)->Region().left);
    notebook->Event(ZafEventStruct(-310, 0));
    EXPECT_EQ(0, notebook->FirstVisibleTab());
    // The ">" button scrolls as -311 does.
    SendMessageW(static_cast<HWND>(notebook->RightButton()->OSWindow()), BM_CLICK, 0, 0);
    EXPECT_EQ(1, notebook->FirstVisibleTab());
    notebook->Event(ZafEventStruct(-310, 0));
    // Choosing the last page scrolls its tab into view.
    notebook->SetCurrentPage(5);
    EXPECT_GT(notebook->FirstVisibleTab(), 0);
    EXPECT_LE(notebook->Tab(5)->Region().right, notebook->LeftButton()->Region().left);
}

TEST_F(ZafNotebookTest, PageKeysAndCtrlTabChooseTheNeighbouringPages)
{
    ShowNotebook({ L"One", L"Two", L"Three" });
    SendMessageW(Control(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(1, notebook->CurrentPageIndex());
    SendMessageW(Control(), WM_KEYDOWN, VK_PRIOR, 0);
    SendMessageW(Control(), WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(2, notebook->CurrentPageIndex());
    ASSERT_TRUE(Activate(window));
    ::SetFocus(Control());
    PressKeys({ { VK_CONTROL, true }, { VK_TAB, true }, { VK_TAB, false }, { VK_CONTROL, false } });
    DispatchFor(300);
    EXPECT_EQ(0, notebook->CurrentPageIndex());
    PressKeys({ { VK_CONTROL, true }, { VK_SHIFT, true }, { VK_TAB, true }, { VK_TAB, false },
        { VK_SHIFT, false }, { VK_CONTROL, false } });
    DispatchFor(300);
    EXPECT_EQ(2, notebook->CurrentPageIndex());
}

// The focus on a control of a page: Ctrl+Tab is the notebook's whatever the
// control; Page Down turns the page from a one-line field, which has no use
// for it, and stays with a multi-line text, which moves by a page with it.
TEST_F(ZafNotebookTest, FromAControlOfAPageCtrlTabTurnsThePageAndPageDownWhereTheControlDoesNotUseIt)
{
    ShowNotebook({ L"One", L"Two", L"Three" });
    // A page whose controls Tab moves through (a dialog's page is so).
    notebook->SetCurrentPage(1);
    Page(0)->SetSelectionType(1);
    auto *field = new ZafString(10, 10, 60, L"text");
    field->SetCoordinateType(ZAF_PIXEL);
    auto *lines = new ZafText(10, 40, 80, 40, L"one\r\ntwo\r\nthree");
    lines->SetCoordinateType(ZAF_PIXEL);
    Page(0)->Add(field);
    Page(0)->Add(lines);
    ASSERT_TRUE(Activate(window));
    // The first page shown afresh, with the focus on the control.
    auto focusOnFirstPage = [&](ZafWindowObject *control) {
        notebook->SetCurrentPage(1);
        notebook->SetCurrentPage(0);
        Page(0)->SetCurrent(control);
        control->SetFocus(true);
        DispatchFor(100);
        return GetFocus() == static_cast<HWND>(control->OSWindow());
    };

    ASSERT_TRUE(focusOnFirstPage(field));
    Chord({ VK_CONTROL, VK_TAB });
    EXPECT_EQ(1, notebook->CurrentPageIndex()) << "Ctrl+Tab in a one-line field";
    ASSERT_TRUE(focusOnFirstPage(lines));
    Chord({ VK_CONTROL, VK_SHIFT, VK_TAB });
    EXPECT_EQ(2, notebook->CurrentPageIndex()) << "Ctrl+Shift+Tab in a multi-line text";

    ASSERT_TRUE(focusOnFirstPage(field));
    Chord({ VK_NEXT });
    EXPECT_EQ(1, notebook->CurrentPageIndex()) << "Page Down in a one-line field";
    ASSERT_TRUE(focusOnFirstPage(lines));
    Chord({ VK_NEXT });
    EXPECT_EQ(0, notebook->CurrentPageIndex()) << "Page Down in a multi-line text";
}

TEST_F(ZafNotebookTest, APressOnATabOrItsHotKeyChoosesItsPage)
{
    ShowNotebook({ L"One", L"Two", L"Three" });
    ZafRegionStruct tab = notebook->Tab(2)->Region();
    const int x = (tab.left + tab.right - 3) / 2, y = (tab.top + tab.bottom) / 2;
    SendMessageW(Control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(Control(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ(2, notebook->CurrentPageIndex());
    // A press below the tab row changes nothing.
    SendMessageW(Control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 100));
    SendMessageW(Control(), WM_LBUTTONUP, 0, MAKELPARAM(x, 100));
    EXPECT_EQ(2, notebook->CurrentPageIndex());
    notebook->SetTabHotKey(1, L'T', 0);
    EXPECT_EQ(L'T', notebook->TabHotKey(1));
    ZafEventStruct hotKey(ZAF_EV_HOT_KEY, 0);
    hotKey.key = L't';
    notebook->Event(hotKey);
    EXPECT_EQ(1, notebook->CurrentPageIndex());
    EXPECT_EQ(0, notebook->TabHotKey(7));
    EXPECT_EQ(-1, notebook->TabHotKeyIndex(7));
}

TEST_F(ZafNotebookTest, OnlyWindowsBecomePagesAndTheirTitlesBecomeTabTexts)
{
    ZafNotebook book(0, 0, 300, 200);
    auto *field = new ZafString(0, 0, 10, L"x");
    EXPECT_EQ(nullptr, book.Add(field));
    EXPECT_EQ(0, book.ZafList::Count());
    delete field;
    ZafWindow *page = NewPage(L"Settings");
    EXPECT_EQ(page, book.Add(page));
    EXPECT_STREQ(L"Settings", book.TabText(0));
    EXPECT_EQ(0, page->SupportList().Count());
    EXPECT_EQ(0, book.SetTabText(L"Options", 0));
    EXPECT_STREQ(L"Options", book.TabText(0));
    // Taken out again, the page gets its title back.
    book.Subtract(page);
    EXPECT_EQ(1, page->SupportList().Count());
    EXPECT_EQ(-1, book.CurrentPageIndex());
    delete page;
}

TEST_F(ZafNotebookTest, TheFocusMovingIntoAHiddenPageShowsIt)
{
    ShowNotebook({ L"One", L"Two" });
    auto *field = new ZafString(10, 10, 60, L"text");
    field->SetCoordinateType(ZAF_PIXEL);
    Page(1)->Add(field);
    Page(1)->SetCurrent(field);
    Page(1)->SetFocus(true);
    EXPECT_EQ(1, notebook->CurrentPageIndex());
    EXPECT_TRUE(field->Registered());
}

TEST_F(ZafNotebookTest, AStoredNotebookKeepsItsPagesTabTextsAndHotKeys)
{
    ZafMemoryPersistence stored;
    stored.Construct<ZafWindow, ZafTitle>();
    ZafNotebook book(0, 0, 300, 200);
    book.SetStringID(L"options");
    book.SetTabHeight(30);
    for (const wchar_t *name : { L"first", L"second" })
    {
        ZafWindow *page = NewPage(name == std::wstring(L"first") ? L"General" : L"Ports");
        page->SetStringID(name);
        book.Add(page);
    }
    book.SetTabHotKey(1, L'S', 0);
    std::unique_ptr<ZafNotebook> read = stored.RoundTrip(book);
    ASSERT_TRUE(read);
    EXPECT_EQ(30, read->TabHeight());
    ASSERT_EQ(2, read->ZafList::Count());
    EXPECT_EQ(2, read->SupportList().Count());
    EXPECT_EQ(0, read->CurrentPageIndex());
    EXPECT_EQ(L'S', read->TabHotKey(1));
    EXPECT_STREQ(L"second", static_cast<ZafWindowObject *>(read->Get(1))->StringID());
    EXPECT_STREQ(L"General", read->TabText(0));
    EXPECT_STREQ(L"Ports", read->TabText(1));
    // The temporary titles are gone from the pages written.
    EXPECT_EQ(0, static_cast<ZafWindow *>(book.Get(0))->SupportList().Count());
}
