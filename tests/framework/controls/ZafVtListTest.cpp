// The vertical list on real windows: the OS list kept equal to the child
// list, sorting, the selection notices of the OS list, scrolling and drops.
#include "ZafControlTestSupport.h"

#include "framework/controls/ZafString.h"
#include "framework/controls/ZafVtList.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/storage/ZafMemoryPersistence.h"

namespace {

// A text item that counts the calls of its member function.
class CountingItem : public TextObject
{
public:
    explicit CountingItem(const wchar_t *text) : TextObject(0, 0, 10, 1, text)
    {
        SetMemberUserFunction(static_cast<ZafMemberUserFunction>(&CountingItem::Count));
    }
    // Selection notices (1002) only; focus notices also reach it.
    ZafEventType Count(const ZafEventStruct &, ZafEventType code)
    {
        if (code == ZAF_L_SELECT)
            codes.push_back(code);
        return 0;
    }
    ZafWindowObject *Duplicate() override
    {
        auto *copy = new CountingItem(text.c_str());
        copy->SetSelected(selected);
        return copy;
    }
    std::vector<ZafEventType> codes;
};

std::wstring ListText(HWND list, int index)
{
    wchar_t buffer[256] = {};
    SendMessageW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

class ZafVtListTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        window = NewTopLevel(300, 200, { -1, -5 });
        manager->Add(window);
    }

    ZafVtList *AddList(int selectionType, std::initializer_list<const wchar_t *> texts)
    {
        auto *list = new ZafVtList(10, 10, 150, 120);
        list->SetCoordinateType(ZAF_PIXEL);
        list->SetSelectionType(selectionType);
        for (const wchar_t *text : texts)
            list->Add(new CountingItem(text));
        window->Add(list);
        return list;
    }

    static HWND Control(ZafVtList *list) { return static_cast<HWND>(list->OSWindow()); }
    static CountingItem *Item(ZafVtList *list, int index) { return static_cast<CountingItem *>(list->Get(index)); }

    // Every OS entry shows the child at its position.
    static void ExpectOSListMatches(ZafVtList *list)
    {
        HWND control = Control(list);
        ASSERT_EQ(list->ZafList::Count(), int(SendMessageW(control, LB_GETCOUNT, 0, 0)));
        for (int i = 0; i < list->ZafList::Count(); ++i)
        {
            const ZafIChar *text = static_cast<ZafWindowObject *>(list->Get(i))->Text();
            EXPECT_EQ(std::wstring(text ? text : L""), ListText(control, i)) << i;
        }
    }

    ZafWindow *window = nullptr;
};

} // namespace

TEST_F(ZafVtListTest, TheSelectionModeGivesTheListBoxStyle)
{
    const struct { int type; LONG bits; } cases[] = {
        { 0, 0 }, { 1, LBS_MULTIPLESEL }, { 2, LBS_EXTENDEDSEL | LBS_MULTIPLESEL },
    };
    for (const auto &c : cases)
    {
        ZafVtList *list = AddList(c.type, { L"a" });
        EXPECT_EQ(0, _wcsicmp(L"LISTBOX", WindowClassName(Control(list)).c_str()));
        LONG style = GetWindowLongW(Control(list), GWL_STYLE);
        EXPECT_EQ(c.bits, style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) << c.type;
        EXPECT_TRUE(style & LBS_NOTIFY);
    }
}

TEST_F(ZafVtListTest, ExtendedModeFollowsTheOSSelectionItemByItem)
{
    ZafVtList *list = AddList(2, { L"zero", L"one", L"two", L"three" });
    Item(list, 3)->SetDisabled(true);
    HWND control = Control(list);
    SendMessageW(control, LB_SETSEL, TRUE, 0);
    SendMessageW(control, LB_SETSEL, TRUE, 2);
    SendMessageW(control, LB_SETSEL, TRUE, 3);
    SendMessageW(control, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), 0);
    const bool expected[] = { true, false, true, false };
    const size_t calls[] = { 1, 0, 1, 0 };
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(expected[i], Item(list, i)->Selected()) << i;
        EXPECT_EQ(calls[i], Item(list, i)->codes.size()) << i;
    }
    EXPECT_EQ(ZAF_L_SELECT, Item(list, 0)->codes[0]);
    // Taking item 0 out of the OS selection tells only item 0.
    SendMessageW(control, LB_SETSEL, FALSE, 0);
    SendMessageW(control, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), 0);
    EXPECT_FALSE(Item(list, 0)->Selected());
    EXPECT_EQ(2u, Item(list, 0)->codes.size());
    EXPECT_EQ(1u, Item(list, 2)->codes.size());
}

TEST_F(ZafVtListTest, SingleModeSelectsTheCaretItem)
{
    ZafVtList *list = AddList(0, { L"a", L"b", L"c" });
    SendMessageW(Control(list), LB_SETCURSEL, 1, 0);
    SendMessageW(Control(list), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), 0);
    EXPECT_TRUE(Item(list, 1)->Selected());
    EXPECT_EQ(1u, Item(list, 1)->codes.size());
    // Selecting another item through the object moves the OS selection.
    Item(list, 2)->SetSelected(true);
    EXPECT_EQ(2, SendMessageW(Control(list), LB_GETCURSEL, 0, 0));
    EXPECT_FALSE(Item(list, 1)->Selected());
}

TEST_F(ZafVtListTest, ASortedListKeepsItemsWithoutTextFirstAndTheOSListInStep)
{
    ZafVtList *list = AddList(0, {});
    list->SetSorted(true);
    list->Add(new CountingItem(L"b"));
    list->Add(new CountingItem(L"a"));
    list->Add(new CountingItem(L"c"));
    list->Add(new ZafWindowObject(0, 0, 10, 1));
    const wchar_t *order[] = { L"", L"a", L"b", L"c" };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(order[i], ListText(Control(list), i)) << i;
    delete list->Subtract(static_cast<ZafWindowObject *>(list->Get(1)));
    ExpectOSListMatches(list);
    EXPECT_EQ(3, SendMessageW(Control(list), LB_GETCOUNT, 0, 0));
}

TEST_F(ZafVtListTest, ItemsAddedBeforeAPositionOnScreenShowAtTheirIndex)
{
    ZafVtList *list = AddList(1, { L"first", L"last" });
    auto *middle = new CountingItem(L"middle");
    middle->SetSelected(true);
    list->Add(middle, static_cast<ZafWindowObject *>(list->Get(1)));
    ExpectOSListMatches(list);
    EXPECT_GT(SendMessageW(Control(list), LB_GETSEL, 1, 0), 0);
    list->Sort();   // no compare function: the order stays
    ExpectOSListMatches(list);
}

TEST_F(ZafVtListTest, AVerticalScrollOfTheWindowMovesTheTopItem)
{
    ZafVtList *list = AddList(0, {});
    for (int i = 0; i < 40; ++i)
        list->Add(new CountingItem(std::to_wstring(i).c_str()));
    ZafEventStruct scroll(ZAF_EV_SCROLL_VERTICAL, 0);
    scroll.scroll.delta = 5;
    list->Event(scroll);
    EXPECT_EQ(5, SendMessageW(Control(list), LB_GETTOPINDEX, 0, 0));
    scroll.scroll.delta = -2;
    list->Event(scroll);
    EXPECT_EQ(3, SendMessageW(Control(list), LB_GETTOPINDEX, 0, 0));
}

TEST_F(ZafVtListTest, ADroppedTextFieldBecomesAnItemAndAMoveEmptiesIt)
{
    ZafVtList *list = AddList(2, { L"a" });
    list->SetDropTarget(true);
    auto *field = new ZafString(10, 150, 100, L"dropped");
    field->SetCoordinateType(ZAF_PIXEL);
    field->SetDragShift(true);
    window->Add(field);
    manager->dragObject = field;
    EXPECT_EQ(ZAF_EV_DROP_MOVE, list->DragDropEvent(ZafEventStruct(ZAF_EV_DROP_DEFAULT, 0)));
    manager->dragObject = nullptr;
    ExpectOSListMatches(list);
    EXPECT_EQ(L"dropped", ListText(Control(list), 1));
    EXPECT_STREQ(L"", field->Text());
}

TEST_F(ZafVtListTest, SelectedItemsDroppedFromAnotherListArriveSelectedAlone)
{
    ZafVtList *source = AddList(2, { L"x", L"y", L"z" });
    ZafVtList *target = AddList(2, { L"a" });
    target->SetDropTarget(true);
    source->SetDragCtrl(true);
    Item(target, 0)->SetSelected(true);
    Item(source, 0)->SetSelected(true);
    Item(source, 2)->SetSelected(true);
    manager->dragObject = source;
    EXPECT_EQ(ZAF_EV_DROP_COPY, target->DragDropEvent(ZafEventStruct(ZAF_EV_DROP_DEFAULT, 0)));
    manager->dragObject = nullptr;
    ASSERT_EQ(3, target->ZafList::Count());
    EXPECT_FALSE(Item(target, 0)->Selected());
    EXPECT_TRUE(Item(target, 1)->Selected());
    EXPECT_TRUE(Item(target, 2)->Selected());
    EXPECT_EQ(3, source->ZafList::Count());
    ExpectOSListMatches(target);
}

TEST_F(ZafVtListTest, ASortedListReadsBackSorted)
{
    ZafMemoryPersistence stored;
    stored.Construct<ZafString>();
    ZafVtList list(0, 0, 20, 5);
    list.SetStringID(L"names");
    list.SetSorted(true);
    list.Add(new ZafString(0, 0, 10, L"b"));
    list.Add(new ZafString(0, 0, 10, L"a"));
    std::unique_ptr<ZafVtList> read = stored.RoundTrip(list);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Sorted());
    ASSERT_EQ(2, read->ZafList::Count());
    EXPECT_STREQ(L"a", static_cast<ZafWindowObject *>(read->Get(0))->Text());
    EXPECT_FALSE(static_cast<ZafWindowObject *>(read->Get(0))->OwnOSWindow());
}

namespace {

// An item that sizes itself 30 pixels high and records what it is asked
// to draw.
class DrawingItem : public ZafWindowObject
{
public:
    DrawingItem() : ZafWindowObject(0, 0, 50, 1) { }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == ZAF_EV_COMPUTE_REGION)
        {
            region.Assign(0, 0, 49, 29, ZAF_PIXEL);
            ++measured;
            return event.type;
        }
        if (event.type == ZAF_EVENT_OS && event.osEvent.message == WM_DRAWITEM)
        {
            drawnAt.push_back(Region());
            return 1;
        }
        return ZafWindowObject::Event(event);
    }
    int measured = 0;
    std::vector<ZafRegionStruct> drawnAt;
};

} // namespace

TEST_F(ZafVtListTest, OwnerDrawnItemsSizeAndDrawThemselves)
{
    auto *list = new ZafVtList(10, 10, 150, 120);
    list->SetCoordinateType(ZAF_PIXEL);
    list->SetSystemDrawn(false);
    auto *first = new DrawingItem, *second = new DrawingItem;
    list->Add(first);
    list->Add(second);
    window->Add(list);
    UpdateWindow(Control(list));
    EXPECT_TRUE(GetWindowLongW(Control(list), GWL_STYLE) & LBS_OWNERDRAWVARIABLE);
    EXPECT_GE(first->measured, 1);
    EXPECT_EQ(30, SendMessageW(Control(list), LB_GETITEMHEIGHT, 1, 0));
    ASSERT_FALSE(second->drawnAt.empty());
    // Each item draws in its own row of the list.
    EXPECT_EQ(30, second->drawnAt.back().top);
    EXPECT_EQ(59, second->drawnAt.back().bottom);
}

using ZafVtListText = ZafVtListTest;

TEST_F(ZafVtListText, TextsOutsideASCIIReachTheControl)
{
    ZafVtList *list = AddList(0, { L"Gr\u00f6\u00dfe", L"caf\u00e9" });
    EXPECT_EQ(L"Gr\u00f6\u00dfe", ListText(Control(list), 0));
    EXPECT_EQ(L"caf\u00e9", ListText(Control(list), 1));
}
