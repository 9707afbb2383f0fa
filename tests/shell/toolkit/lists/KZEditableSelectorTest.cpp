// The editable selector on real windows: opening the in-place field, the
// keys and presses that end it, moving on to the next editable cell and row,
// and an editor that cannot be made.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/strings/KString.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/lists/KZEditableSelector.h"
#include "shell/toolkit/lists/KZEditableSelectorString.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

// A pane of three columns (0, 60, 120) whose columns 1 and 2 are editable.
class EditablePane : public KZEditableSelector
{
public:
    struct Commit
    {
        int column;
        std::wstring text;
        int32_t code;
    };

    EditablePane() : KZEditableSelector(10, 10, 240, 100)
    {
        SetUnitSize(KPoint(1, 18));
        SetColumnCount(3);
        SetColumnPosition(1, 60);
        SetColumnPosition(2, 120);
    }
    bool CanEdit(KPoint, int column) override { return column == 1 || column == 2; }
    int NextEditableColumn(KPoint, int after) override
    {
        if (!navigate)
            return -2;
        return after < 1 ? 1 : (after == 1 ? 2 : -1);
    }
    int PrevEditableColumn(KPoint, int before) override
    {
        if (!navigate)
            return -2;
        return before == -1 ? 2 : (before == 2 ? 1 : -1);
    }
    void CellText(KPoint unit, int column, KString &text, uint32_t &) override
    {
        text.Append((L"r" + std::to_wstring(unit.y) + L"c" + std::to_wstring(column)).c_str());
    }
    void CommitEdit(int column, KZEditableSelectorString *field, int32_t code) override
    {
        const wchar_t *text = field->Text();
        commits.push_back({ column, text ? text : L"", code });
    }
    bool ClearEditing() override
    {
        KZEditableSelector::ClearEditing();
        return stayOnRow;
    }
    void DrawUnit(KPoint unit) override
    {
        ++unitsDrawn;
        KZEditableSelector::DrawUnit(unit);
    }
    KZEditableSelectorString *MakeEditor(const KRect &rect, const wchar_t *text) override
    {
        return failEditor ? nullptr : KZEditableSelector::MakeEditor(rect, text);
    }

    std::vector<Commit> commits;
    bool navigate = true;
    bool stayOnRow = false;
    bool failEditor = false;
    int unitsDrawn = 0;
};

ZafEventStruct KeyDown(ZafWindowObject *target, UINT key)
{
    ZafOSEventStruct os = {};
    os.hwnd = target->OSWindow();
    os.message = WM_KEYDOWN;
    os.wParam = key;
    os.lParam = 1;
    return ZafEventStruct(ZAF_EVENT_OS, os);
}

class EditableSelector : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        pane = new EditablePane;
        host->Add(pane);
        pane->SetExtent(KPoint(1, 10));
        pane->Redisplay();
        Pump();
    }
    static int RowY(int row) { return row * 18 + 9; }
    // A first press selects the row, a second opens the field over the cell.
    void OpenAt(int row, int column)
    {
        pane->ScrollIntoView(KPoint(0, row), true, false);
        const int y = (row - pane->ScrollPosition().y) * 18 + 9;
        const int x = column * 60 + 20;
        ListHand hand(pane);
        hand.Click(x, y);
        hand.Click(x, y);
    }
    // Lets the program's loop handle what is queued.
    void RunQueued() { app->Control(nullptr, true); }
    // A key pressed in the open field, then the loop.
    void KeyInField(UINT key)
    {
        pane->Editor()->Event(KeyDown(pane->Editor(), key));
        RunQueued();
    }
    // An event sent to the list, then the loop.
    void SendToList(ZafEventType type)
    {
        pane->Event(ZafEventStruct(type, 0));
        RunQueued();
    }
    std::wstring EditorText() { return pane->Editor() && pane->Editor()->Text() ? pane->Editor()->Text() : L"?"; }

    EditablePane *pane = nullptr;
};

TEST_F(EditableSelector, FirstPressSelectsTheRowAndASecondOpensTheFieldOverTheCell)
{
    ListHand hand(pane);
    hand.Click(80, RowY(1));
    EXPECT_EQ(KPoint(0, 1), pane->Selection());
    EXPECT_EQ(nullptr, pane->Editor());
    hand.Click(80, RowY(1));
    ASSERT_NE(nullptr, pane->Editor());
    EXPECT_TRUE(pane->IsEditing());
    EXPECT_EQ(1, pane->EditColumn());
    EXPECT_EQ(L"r1c1", EditorText());
    EXPECT_EQ(static_cast<HWND>(pane->Editor()->OSWindow()), GetFocus());
    EXPECT_EQ(pane->Editor(), app->GrabWindow());
    ZafRegionStruct region = pane->Editor()->Region();
    EXPECT_EQ(KRect(61, 19, 118, 34), KRect(region.left, region.top, region.right, region.bottom));
}

TEST_F(EditableSelector, PressOnACellThatCannotBeEditedOrARightPressOpensNothing)
{
    ListHand hand(pane);
    hand.Click(20, RowY(2));
    hand.Click(20, RowY(2));
    EXPECT_EQ(nullptr, pane->Editor());
    hand.RightPress(80, RowY(2));
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_FALSE(pane->IsEditing());
}

TEST_F(EditableSelector, EscapeCommitsNothingAndEnterCommitsOnce)
{
    OpenAt(1, 1);
    ASSERT_NE(nullptr, pane->Editor());
    KeyInField(VK_ESCAPE);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_TRUE(pane->commits.empty());
    EXPECT_FALSE(pane->IsEditing());

    OpenAt(1, 2);
    ASSERT_NE(nullptr, pane->Editor());
    pane->Editor()->SetText(L"12.5");
    KeyInField(VK_RETURN);
    ASSERT_EQ(1u, pane->commits.size());
    EXPECT_EQ(2, pane->commits[0].column);
    EXPECT_EQ(L"12.5", pane->commits[0].text);
    EXPECT_EQ(kEvtEnter, pane->commits[0].code);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_FALSE(pane->IsEditing());
}

TEST_F(EditableSelector, PressOutsideTheFieldEndsTheEditKeepingTheText)
{
    OpenAt(3, 1);
    ASSERT_NE(nullptr, pane->Editor());
    pane->Editor()->SetText(L"typed");
    ListHand(pane->Editor()).Press(-20, 5);
    RunQueued();
    EXPECT_EQ(nullptr, pane->Editor());
    ASSERT_EQ(1u, pane->commits.size());
    EXPECT_EQ(L"typed", pane->commits[0].text);
    EXPECT_EQ(KPoint(0, 3), pane->Selection());
}

TEST_F(EditableSelector, TabMovesThroughTheEditableCellsAndOnToTheNextRowIntoView)
{
    OpenAt(4, 1);
    KeyInField(VK_TAB);
    ASSERT_NE(nullptr, pane->Editor());
    EXPECT_EQ(2, pane->EditColumn());
    EXPECT_EQ(L"r4c2", EditorText());

    KeyInField(VK_TAB);
    ASSERT_NE(nullptr, pane->Editor());
    EXPECT_EQ(KPoint(0, 5), pane->Selection());
    EXPECT_EQ(1, pane->EditColumn());
    EXPECT_EQ(L"r5c1", EditorText());
    EXPECT_TRUE(pane->IsUnitVisible(KPoint(0, 5), true));
    EXPECT_EQ(1, pane->ScrollPosition().y);
    ASSERT_EQ(2u, pane->commits.size());
    EXPECT_EQ(kEvtTab, pane->commits[1].code);
}

TEST_F(EditableSelector, TabOrShiftTabAtTheEndsOfTheListEndsEditing)
{
    OpenAt(9, 2);
    SendToList(kEvtTab);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_FALSE(pane->IsEditing());

    OpenAt(0, 1);
    SendToList(kEvtShiftTab);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_FALSE(pane->IsEditing());
    EXPECT_EQ(KPoint(0, 0), pane->Selection());
}

TEST_F(EditableSelector, KeysTypedIntoTheFieldReachTheListThroughTheLoop)
{
    OpenAt(2, 1);
    ASSERT_NE(nullptr, pane->Editor());
    HWND field = static_cast<HWND>(pane->Editor()->OSWindow());
    PostMessageW(field, WM_KEYDOWN, VK_TAB, 1);
    RunQueued();
    RunQueued();
    ASSERT_NE(nullptr, pane->Editor());
    EXPECT_EQ(2, pane->EditColumn());
    field = static_cast<HWND>(pane->Editor()->OSWindow());
    PostMessageW(field, WM_KEYDOWN, VK_ESCAPE, 1);
    RunQueued();
    RunQueued();
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_EQ(1u, pane->commits.size());
}

TEST_F(EditableSelector, PaneThatKeepsTheRowOrHasNoNavigationEndsOnTab)
{
    pane->stayOnRow = true;
    OpenAt(2, 2);
    SendToList(kEvtTab);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_EQ(KPoint(0, 2), pane->Selection());

    pane->stayOnRow = false;
    pane->navigate = false;
    OpenAt(2, 1);
    SendToList(kEvtTab);
    EXPECT_EQ(nullptr, pane->Editor());
    EXPECT_EQ(2u, pane->commits.size());
}

TEST_F(EditableSelector, EndEventWithoutAnOpenFieldDoesNothing)
{
    pane->Event(ZafEventStruct(kEvtCellEdited, kEvtEnter));
    EXPECT_TRUE(pane->commits.empty());
    EXPECT_FALSE(pane->IsEditing());
}

TEST_F(EditableSelector, RedisplaysAreHeldWhileEditingAndAFieldThatCannotBeMadeHoldsNothing)
{
    OpenAt(1, 1);
    ASSERT_TRUE(pane->IsEditing());
    Pump();
    pane->unitsDrawn = 0;
    pane->Redisplay();
    Pump();
    EXPECT_EQ(0, pane->unitsDrawn);
    pane->Event(ZafEventStruct(kEvtCellEdited, kEvtCancelKey));

    pane->failEditor = true;
    OpenAt(2, 1);
    EXPECT_FALSE(pane->IsEditing());
    EXPECT_EQ(nullptr, pane->Editor());
    Pump();
    pane->unitsDrawn = 0;
    pane->Redisplay();
    Pump();
    EXPECT_GT(pane->unitsDrawn, 0);
}

TEST_F(EditableSelector, ListGoneBeforeItsQueuedEndIsNotReached)
{
    OpenAt(1, 1);
    ZafEventManager *events = ZafEventManager::Shared();
    const int before = events->QueueCount();
    pane->Editor()->PostEnd(kEvtEnter);
    EXPECT_EQ(before + 1, events->QueueCount());
    RemoveFromHost(pane);
    EXPECT_EQ(before, events->QueueCount());
    RunQueued();
}

TEST_F(EditableSelector, SelectedRowShowsTheWindowColourAndOtherRowsThePanel)
{
    pane->Select(KPoint(0, 1));
    Pump();
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), PixelOf(pane, 230, RowY(1)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), PixelOf(pane, 230, RowY(3)));
}

} // namespace
