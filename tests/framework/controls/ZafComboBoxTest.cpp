// The combo box on real windows: its OS list kept equal to the items, the
// text line, keys, selection notices, drops, lookups and storage.
#include "ZafFieldTestSupport.h"

#include <vector>

#include "framework/controls/ZafComboBox.h"
#include "framework/controls/ZafString.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/storage/ZafMemoryPersistence.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

std::wstring ItemText(ZafComboBox *combo, int index)
{
    HWND control = static_cast<HWND>(combo->OSWindow());
    std::wstring text(size_t(SendMessageW(control, CB_GETLBTEXTLEN, WPARAM(index), 0)) + 1, L'\0');
    SendMessageW(control, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

LRESULT ComboMessage(ZafComboBox *combo, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(static_cast<HWND>(combo->OSWindow()), message, wParam, lParam);
}

// A text item that counts its selection notices.
class CountingString : public ZafString
{
public:
    explicit CountingString(const wchar_t *text) : ZafString(0, 0, 20, text)
    {
        SetMemberUserFunction(static_cast<ZafMemberUserFunction>(&CountingString::Count));
    }
    ZafEventType Count(const ZafEventStruct &, ZafEventType code)
    {
        if (code == ZAF_L_SELECT)
            ++selections;
        return 0;
    }
    int selections = 0;
};

class ZafComboBoxTest : public FieldTest
{
protected:
    ZafComboBox *ShowCombo(std::initializer_list<const wchar_t *> texts, bool viewOnly = false)
    {
        auto *combo = new ZafComboBox(10, 10, 150, 100);
        combo->SetCoordinateType(ZAF_PIXEL);
        combo->SetViewOnly(viewOnly);
        for (const wchar_t *text : texts)
            combo->Add(new CountingString(text));
        ShowWindow({ combo });
        return combo;
    }

    static void ExpectOSListMatches(ZafComboBox *combo)
    {
        ZafVtList *list = combo->List();
        ASSERT_EQ(list->ZafList::Count(), int(ComboMessage(combo, CB_GETCOUNT)));
        for (int i = 0; i < list->ZafList::Count(); ++i)
            EXPECT_EQ(std::wstring(static_cast<ZafWindowObject *>(list->Get(i))->Text()), ItemText(combo, i)) << i;
    }
};

using ZafComboBoxText = ZafComboBoxTest;

} // namespace

TEST_F(ZafComboBoxTest, TheKindOfControlFollowsDrawingAndViewOnly)
{
    ZafComboBox *typed = ShowCombo({ L"a" });
    ZafComboBox *fixed = ShowCombo({ L"a" }, true);
    EXPECT_EQ(CBS_DROPDOWN, WindowStyle(typed->OSWindow()) & 3);
    EXPECT_EQ(CBS_DROPDOWNLIST, WindowStyle(fixed->OSWindow()) & 3);
    EXPECT_NE(nullptr, GetWindow(static_cast<HWND>(typed->OSWindow()), GW_CHILD));
    // The list shares the combo box's control.
    EXPECT_EQ(typed->OSWindow(), typed->List()->OSWindow());
    EXPECT_FALSE(typed->List()->OwnOSWindow());
}

TEST_F(ZafComboBoxTest, TheControlSitsAtItsRegionWithRoomForTheDroppedList)
{
    ZafComboBox *combo = ShowCombo({ L"a", L"b" });
    const ZafRegionStruct area = combo->Region();
    HWND control = static_cast<HWND>(combo->OSWindow());
    RECT shown, dropped, client;
    GetWindowRect(control, &shown);
    GetWindowRect(static_cast<HWND>(combo->Parent()->OSWindow()), &client);
    EXPECT_EQ(area.left, shown.left - client.left);
    EXPECT_EQ(area.top, shown.top - client.top);
    EXPECT_EQ(area.Width(), shown.right - shown.left);
    SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    // The control shares the height it was given (one line and the list)
    // between its closed part and its dropped list.
    EXPECT_EQ(area.Height() + 100, (dropped.bottom - dropped.top) + (shown.bottom - shown.top));
}

TEST_F(ZafComboBoxTest, ItemsAddedAndRemovedOnScreenKeepTheOSListInStep)
{
    ZafComboBox *combo = ShowCombo({ L"one", L"three" });
    ExpectOSListMatches(combo);
    auto *two = new CountingString(L"two");
    two->SetSelected(true);
    combo->Add(two, static_cast<ZafWindowObject *>(combo->List()->Get(1)));
    ExpectOSListMatches(combo);
    EXPECT_EQ(1, ComboMessage(combo, CB_GETCURSEL));
    EXPECT_STREQ(L"two", combo->StringData().Text());
    while (combo->List()->ZafList::Count() > 0)
        delete combo->Subtract(static_cast<ZafWindowObject *>(combo->List()->Last()));
    EXPECT_EQ(0, ComboMessage(combo, CB_GETCOUNT));
}

TEST_F(ZafComboBoxTest, ASortedComboShowsItsItemsInOrder)
{
    ZafComboBox *combo = ShowCombo({ L"pear", L"apple", L"fig" });
    combo->SetSorted(true);
    EXPECT_EQ(L"apple", ItemText(combo, 0));
    EXPECT_EQ(L"pear", ItemText(combo, 2));
    combo->Add(new CountingString(L"banana"));
    ExpectOSListMatches(combo);
    EXPECT_EQ(L"banana", ItemText(combo, 1));
}

TEST_F(ZafComboBoxTest, ChoosingInTheOSListSelectsTheItemAndTellsItOnce)
{
    ZafComboBox *combo = ShowCombo({ L"a", L"b", L"c" });
    ComboMessage(combo, CB_SETCURSEL, 2);
    ComboMessage(combo, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), 0);
    auto *chosen = static_cast<CountingString *>(combo->List()->Get(2));
    EXPECT_TRUE(chosen->Selected());
    EXPECT_EQ(1, chosen->selections);
    EXPECT_EQ(chosen, combo->List()->CurrentChild());
    EXPECT_STREQ(L"c", combo->StringData().Text());
}

TEST_F(ZafComboBoxTest, AViewOnlyComboRefusesNewText)
{
    ZafComboBox *fixed = ShowCombo({ L"a" }, true);
    const std::wstring before = ControlText(fixed->OSWindow());
    EXPECT_EQ(0, fixed->SetText(L"x"));
    EXPECT_STREQ(L"", fixed->StringData().Text());
    EXPECT_EQ(before, ControlText(fixed->OSWindow()));
    ZafComboBox *typed = ShowCombo({ L"a" });
    typed->SetText(L"x");
    EXPECT_STREQ(L"x", typed->Text());
}

TEST_F(ZafComboBoxTest, EnterWithTheListDroppedOnlyClosesIt)
{
    ZafComboBox *combo = ShowCombo({ L"a", L"b" });
    HWND control = static_cast<HWND>(combo->OSWindow());
    ComboMessage(combo, CB_SHOWDROPDOWN, TRUE);
    ASSERT_NE(0, ComboMessage(combo, CB_GETDROPPEDSTATE));
    // The window manager knows which list is dropped, to close it on a
    // click elsewhere.
    ComboMessage(combo, WM_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
    EXPECT_EQ(control, ZafDroppedComboBox());
    EXPECT_EQ(0, combo->Event(RawMessage(combo->OSWindow(), WM_KEYDOWN, VK_RETURN)));
    EXPECT_EQ(0, ComboMessage(combo, CB_GETDROPPEDSTATE));
    ComboMessage(combo, WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
    EXPECT_EQ(nullptr, ZafDroppedComboBox());
}

TEST_F(ZafComboBoxTest, KeysOfTheEditPartAreKeptAndOthersLeftToTheParent)
{
    ZafComboBox *combo = ShowCombo({ L"a" });
    HWND edit = GetWindow(static_cast<HWND>(combo->OSWindow()), GW_CHILD);
    ASSERT_NE(nullptr, edit);
    const struct { WPARAM key; ZafEventType answer; } cases[] = {
        { 'K', 0 }, { '7', 0 }, { VK_NUMPAD3, 0 }, { VK_LEFT, 0 }, { VK_BACK, 0 },
        { VK_F5, ZAF_NOT_HANDLED }, { VK_TAB, ZAF_NOT_HANDLED },
    };
    for (const auto &c : cases)
    {
        ZafEventStruct key = RawMessage(combo->OSWindow(), WM_KEYDOWN, c.key);
        key.osEvent.hwnd = edit;
        EXPECT_EQ(c.answer, combo->Event(key)) << c.key;
    }
}

TEST_F(ZafComboBoxTest, TypingIntoTheEditPartReachesTheControlThroughTheFramework)
{
    ZafComboBox *combo = ShowCombo({ L"a" });
    HWND edit = GetWindow(static_cast<HWND>(combo->OSWindow()), GW_CHILD);
    ASSERT_TRUE(Activate(static_cast<ZafWindow *>(combo->RootObject())));
    combo->SetFocus(true);
    ::SetFocus(edit);
    std::vector<INPUT> keys;
    for (WORD key : { WORD('O'), WORD('K') })
        for (DWORD flags : { DWORD(0), DWORD(KEYEVENTF_KEYUP) })
        {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            keys.push_back(input);
        }
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
    Pump(300);
    EXPECT_STREQ(L"ok", combo->Text());
}

TEST_F(ZafComboBoxTest, AShiftDropOfATextFieldAddsItsTextAndEmptiesIt)
{
    ZafComboBox *combo = ShowCombo({ L"a" });
    combo->SetDropTarget(true);
    // Each drag flag of the combo box is its own, and its list follows it.
    EXPECT_TRUE(combo->SetDragCtrlShift(true));
    EXPECT_TRUE(combo->DragCtrlShift());
    EXPECT_TRUE(combo->List()->DragCtrlShift());
    EXPECT_FALSE(combo->DragCtrl());
    EXPECT_FALSE(combo->DragShift());
    EXPECT_FALSE(combo->SetDragCtrlShift(false));
    EXPECT_FALSE(combo->List()->DragCtrlShift());
    auto *field = new ZafString(10, 150, 100, L"dropped");
    field->SetDragShift(true);
    ZafWindowManager *windows = ZafWindowManager::Shared();
    windows->dragObject = field;
    EXPECT_EQ(ZAF_EV_DROP_MOVE, combo->DragDropEvent(ZafEventStruct(ZAF_EV_DROP_DEFAULT, 0)));
    windows->dragObject = nullptr;
    EXPECT_EQ(L"dropped", ItemText(combo, 1));
    EXPECT_STREQ(L"", field->Text());
    // With Ctrl dragging the field keeps its text.
    field->SetDragShift(false);
    field->SetDragCtrl(true);
    field->SetText(L"kept");
    windows->dragObject = field;
    EXPECT_EQ(ZAF_EV_DROP_COPY, combo->DragDropEvent(ZafEventStruct(ZAF_EV_DROP_DEFAULT, 0)));
    windows->dragObject = nullptr;
    EXPECT_STREQ(L"kept", field->Text());
    EXPECT_EQ(3, ComboMessage(combo, CB_GETCOUNT));
    delete field;
}

TEST_F(ZafComboBoxTest, ALongItemIdBeforeATildeIsFound)
{
    ZafComboBox combo(0, 0, 20, 5);
    const std::wstring id(100, L'q');
    auto *item = new ZafWindow(0, 0, 10, 1);
    item->SetStringID(id.c_str());
    ZafWindowObject *inner = item->Add(new ZafWindowObject(0, 0, 5, 1));
    inner->SetStringID(L"inner");
    combo.Add(item);
    EXPECT_EQ(item, combo.GetObjectByStringID(id.c_str()));
    EXPECT_EQ(inner, combo.GetObjectByStringID((id + L"~inner").c_str()));
    EXPECT_EQ(nullptr, combo.GetObjectByStringID((id + L"q~inner").c_str()));
    EXPECT_EQ(combo.List(), combo.GetObjectByStringID(L"list"));
}

TEST_F(ZafComboBoxTest, AStoredComboReadsBackWithItsItems)
{
    ZafMemoryPersistence stored;
    stored.Construct<ZafString, ZafVtList>();
    ZafComboBox combo(1, 1, 30, 6);
    combo.SetStringID(L"fruit");
    combo.SetViewOnly(true);
    combo.Add(new ZafString(0, 0, 10, L"apple"));
    combo.Add(new ZafString(0, 0, 10, L"pear"));
    std::unique_ptr<ZafComboBox> read = stored.RoundTrip(combo);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->ViewOnly());
    EXPECT_EQ(0, read->ZafList::Count());
    ASSERT_EQ(2, read->List()->ZafList::Count());
    EXPECT_STREQ(L"pear", static_cast<ZafWindowObject *>(read->List()->Get(1))->Text());
    EXPECT_EQ(read.get(), read->List()->Parent());
}

TEST_F(ZafComboBoxText, TextsOutsideASCIIReachTheControl)
{
    ZafComboBox *combo = ShowCombo({ L"Gr\u00f6\u00dfe", L"caf\u00e9" });
    EXPECT_EQ(L"Gr\u00f6\u00dfe", ItemText(combo, 0));
    EXPECT_EQ(L"caf\u00e9", ItemText(combo, 1));
    combo->SetText(L"d\u00e9j\u00e0");
    EXPECT_STREQ(L"d\u00e9j\u00e0", combo->Text());
}

TEST_F(ZafComboBoxTest, ADisabledComboShowsTheFaceColourInsideLikeADisabledField)
{
    for (bool drawnHere : { false, true }) {
        auto *combo = new ZafComboBox(10, 10, 150, 100);
        combo->SetCoordinateType(ZAF_PIXEL);
        combo->SetViewOnly(true);
        combo->SetSystemDrawn(!drawnHere);
        combo->Add(new CountingString(L"board.txt"));
        ShowWindow({ combo });
        combo->SetDisabled(true);
        HWND control = static_cast<HWND>(combo->OSWindow());
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        Drain();
        RECT client = {};
        GetClientRect(control, &client);
        HDC context = GetDC(control);
        const COLORREF inside = GetPixel(context, client.left + 4, (client.top + client.bottom) / 2);
        ReleaseDC(control, context);
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), inside) << "drawn here: " << drawnHere << std::hex << " " << inside;
    }
}
