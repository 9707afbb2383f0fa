#include "framework/core/objects/ZafWindowObject.h"
#include "framework/core/base/ZafList.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

bool Has(const std::vector<ZafEventType> &types, ZafEventType type)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

ZafRegionStruct PixelRegion(int left, int top, int right, int bottom)
{
    ZafRegionStruct region;
    region.Assign(left, top, right, bottom, ZAF_PIXEL);
    return region;
}

} // namespace

TEST(ZafWindowObjectModel, InheritedFlagsFollowTheParents)
{
    ZafWindowObject parent(0, 0, 10, 10), child(1, 1, 2, 2);
    child.SetParent(&parent);
    parent.SetDisabled(true);
    EXPECT_TRUE(child.IsDisabled(true));
    EXPECT_FALSE(child.IsDisabled(false));
    parent.SetVisible(false);
    EXPECT_FALSE(child.IsVisible(true));
    EXPECT_TRUE(child.IsVisible(false));
    parent.SetFocusBlocked(true);
    EXPECT_TRUE(child.FocusBlocked());
    EXPECT_EQ(&parent, child.RootObject());
    child.SetParent(nullptr);
}

TEST(ZafWindowObjectModel, CopyDuplicatesTextsAndDestroyablePalettesButSharesStaticOnes)
{
    ZafWindowObject original(1, 2, 3, 4);
    original.SetHelpTopic(L"topic");
    original.SetTipText(L"tip");
    original.SetNumberID(7);
    original.SetFocus(true);
    original.SetTextColor(4, 0);
    std::unique_ptr<ZafWindowObject> copy(original.Duplicate());
    EXPECT_STREQ(L"topic", copy->HelpTopic());
    EXPECT_NE(original.HelpTopic(), copy->HelpTopic());
    EXPECT_EQ(7, copy->NumberID());
    EXPECT_FALSE(copy->Focus());
    ASSERT_NE(nullptr, copy->PaletteData());
    EXPECT_NE(original.PaletteData(), copy->PaletteData());

    ZafPaletteData shared(true);
    original.SetPaletteData(&shared);
    std::unique_ptr<ZafWindowObject> second(original.Duplicate());
    EXPECT_EQ(&shared, second->PaletteData());
    second.reset();
    original.SetPaletteData(nullptr);
}

TEST(ZafWindowObjectModel, LookupsMatchOwnIdsOnly)
{
    ZafWindowObject object(0, 0, 1, 1);
    object.SetNumberID(12);
    object.SetStringID(L"NAME");
    EXPECT_EQ(&object, object.GetObjectByNumberID(12));
    EXPECT_EQ(nullptr, object.GetObjectByNumberID(13));
    EXPECT_EQ(&object, object.GetObjectByStringID(L"NAME"));
    EXPECT_EQ(&object, object.GetObjectByStringID("NAME"));
    EXPECT_EQ(nullptr, object.GetObjectByStringID(L"OTHER"));
    EXPECT_EQ(nullptr, object.GetObjectByStringID(L"~NAME"));
}

TEST(ZafWindowObjectModel, PositionsOfParentDrawnObjectsAddUpToTheFirstOwnWindow)
{
    ZafWindowObject outer(10, 20, 100, 100), middle(5, 6, 50, 50), inner(1, 2, 10, 10);
    for (ZafWindowObject *object : { &outer, &middle, &inner })
        object->SetCoordinateType(ZAF_PIXEL);
    middle.SetParent(&outer);
    inner.SetParent(&middle);
    middle.SetOwnOSWindow(false);
    inner.SetOwnOSWindow(false);
    ZafRegionStruct region = inner.OSRegion();
    // inner is drawn in outer's window: offsets of middle only.
    EXPECT_EQ(6, region.left);
    EXPECT_EQ(8, region.top);
    EXPECT_EQ(15, region.right);
    EXPECT_EQ(17, region.bottom);
    int x = 6, y = 8;
    middle.ConvertFromOSPosition(&inner, x, y);
    EXPECT_EQ(1, x);
    EXPECT_EQ(2, y);
    // A whole region goes there and back the same way.
    ZafRegionStruct placed = inner.Region();
    middle.ConvertToOSRegion(&inner, placed);
    EXPECT_EQ(6, placed.left);
    EXPECT_EQ(17, placed.bottom);
    middle.ConvertFromOSRegion(&inner, placed);
    EXPECT_EQ(1, placed.left);
    EXPECT_EQ(2, placed.top);
    EXPECT_EQ(10, placed.right);
    EXPECT_EQ(11, placed.bottom);
    ZafRegionStruct own = outer.OSRegion();
    EXPECT_EQ(0, own.left);
    EXPECT_EQ(99, own.right);
    inner.SetParent(nullptr);
    middle.SetParent(nullptr);
}

using ZafWindowObjectGui = HostedObjectTest;

TEST_F(ZafWindowObjectGui, RegisteredObjectsChildWindowKnowsItFollowsItsStateAndConvertsScreenPositions)
{
    std::unique_ptr<ZafWindowObject> object(Register(new ZafWindowObject(3, 4, 10, 5)));
    HWND window = static_cast<HWND>(object->OSWindow());
    ASSERT_NE(nullptr, window);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    EXPECT_STREQ(L"ZafWindow", name);
    EXPECT_EQ(reinterpret_cast<LONG>(object.get()), GetWindowLongW(window, GWL_USERDATA));
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(LONG(WS_CHILD | WS_CLIPSIBLINGS), style & LONG(WS_CHILD | WS_CLIPSIBLINGS));
    EXPECT_EQ(reinterpret_cast<LONG>(&ZafWindowProcedure), GetWindowLongW(window, GWL_WNDPROC));
    EXPECT_EQ(top->Handle(), GetParent(window));
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, top->Handle(), reinterpret_cast<POINT *>(&rect), 2);
    EXPECT_EQ(3, rect.left);
    EXPECT_EQ(4, rect.top);
    EXPECT_EQ(10, rect.right - rect.left);
    EXPECT_EQ(5, rect.bottom - rect.top);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(object->SetVisible(false));
    EXPECT_FALSE(IsWindowVisible(window));
    object->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(window));
    object->SetDisabled(true);
    EXPECT_FALSE(IsWindowEnabled(window));
    object->SetDisabled(false);
    EXPECT_TRUE(IsWindowEnabled(window));
    ZafRegionStruct screen = object->ConvertToScreenRegion(object.get(), 2, 1);
    POINT expected = { 2, 1 };
    ClientToScreen(static_cast<HWND>(object->OSWindow()), &expected);
    EXPECT_EQ(expected.x, screen.left);
    EXPECT_EQ(expected.y, screen.top);
    ZafRegionStruct back = object->ConvertFromScreenRegion(object.get(), screen.left, screen.top);
    EXPECT_EQ(2, back.left);
    EXPECT_EQ(1, back.top);
}

TEST_F(ZafWindowObjectGui, CreationStylesAreRefusedAfterRegistration)
{
    std::unique_ptr<ZafWindowObject> object(Register(new ZafWindowObject(0, 0, 10, 5)));
    EXPECT_FALSE(object->SetBorder(true));
    EXPECT_FALSE(object->Border());
    EXPECT_TRUE(object->SetSystemDrawn(false));
    EXPECT_EQ(ZAF_PIXEL, object->SetCoordinateType(ZAF_CELL));
    EXPECT_FALSE(object->SetDesignMode(true));
    EXPECT_EQ(0, object->SetRegionMode(1));
}

TEST_F(ZafWindowObjectGui, BorderedObjectGetsTheClientEdgeOnThreeDPlatforms)
{
    ZafWindowObject *object = new ZafWindowObject(0, 0, 10, 5);
    object->SetBorder(true);
    std::unique_ptr<ZafWindowObject> owner(Register(object));
    EXPECT_TRUE(GetWindowLongW(static_cast<HWND>(object->OSWindow()), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(ZafWindowObjectGui, ProcedureGivesMessagesToTheObjectAndKeysToItsRoot)
{
    RecordingObject child(5, 5, 20, 20);
    Register(&child);
    HWND window = static_cast<HWND>(child.OSWindow());
    ASSERT_NE(nullptr, window);
    child.answeredMessage = WM_USER + 5;
    child.answer = 1234;
    EXPECT_EQ(1234, SendMessageW(window, WM_USER + 5, 0, 0));
    SendMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(std::find(host->messages.begin(), host->messages.end(), UINT(WM_KEYDOWN)) != host->messages.end());
    EXPECT_TRUE(std::find(child.messages.begin(), child.messages.end(), UINT(WM_KEYDOWN)) == child.messages.end());
    child.ReleaseOSWindow();
    child.SetParent(nullptr);
}

TEST_F(ZafWindowObjectGui, MovingAParentDrawnObjectReportsMovedOnly)
{
    RecordingObject *object = new RecordingObject(10, 10, 20, 10);
    object->SetOwnOSWindow(false);
    std::unique_ptr<RecordingObject> owner(Register(object));
    EXPECT_EQ(top->Handle(), object->OSWindow());
    object->types.clear();
    object->SetRegion(PixelRegion(30, 15, 49, 24));
    object->ApplyPosition();
    EXPECT_TRUE(Has(object->types, ZAF_EV_MOVED));
    EXPECT_FALSE(Has(object->types, ZAF_EV_SIZED));
    object->types.clear();
    object->SetRegion(PixelRegion(30, 15, 59, 24));
    object->ApplyPosition();
    EXPECT_TRUE(Has(object->types, ZAF_EV_SIZED));
    EXPECT_FALSE(Has(object->types, ZAF_EV_MOVED));
    object->types.clear();
    object->ApplyPosition();
    EXPECT_TRUE(object->types.empty());
}

TEST_F(ZafWindowObjectGui, ChangingOwnWindowReregistersTheObjectAndDeletingItDestroysTheWindow)
{
    ZafWindowObject *object = Register(new ZafWindowObject(3, 4, 10, 5));
    HWND window = static_cast<HWND>(object->OSWindow());
    EXPECT_FALSE(object->SetOwnOSWindow(false));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(top->Handle(), object->OSWindow());
    EXPECT_TRUE(object->SetOwnOSWindow(true));
    window = static_cast<HWND>(object->OSWindow());
    ASSERT_NE(top->Handle(), window);
    EXPECT_TRUE(IsWindow(window));
    delete object;
    EXPECT_FALSE(IsWindow(window));
}

namespace {

// A list control standing in for the framework's lists: a LISTBOX window
// whose object answers the list class id.
class ListStandIn : public ZafWindowObject
{
public:
    ListStandIn(HWND parent, DWORD style) : ZafWindowObject(0, 0, 100, 100)
    {
        osWindow = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 100,
            parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t *text : { L"one", L"two", L"three" })
            SendMessageW(static_cast<HWND>(osWindow), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ~ListStandIn() override { DestroyWindow(static_cast<HWND>(osWindow)); osWindow = nullptr; }
    bool IsAClassID(ZafClassID id) const override { return id == ZAF_ID_LIST || ZafWindowObject::IsAClassID(id); }
};

class ListItem : public ZafWindowObject
{
public:
    explicit ListItem(const wchar_t *text) : ZafWindowObject(0, 0, 10, 1), text(text) { SetOwnOSWindow(false); }
    const ZafIChar *Text() override { return text; }
    const wchar_t *text;
};

std::wstring ItemText(HWND list, int index)
{
    wchar_t buffer[64] = {};
    SendMessageW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

} // namespace

TEST_F(ZafWindowObjectGui, ListItemReplacesItsLineAndKeepsItsSelectionInSingleAndMultipleSelectionLists)
{
    for (DWORD multiple : { DWORD(0), DWORD(LBS_MULTIPLESEL) })
    {
        SCOPED_TRACE(multiple);
        ListStandIn list(top->Handle(), LBS_NOTIFY | multiple);
        HWND listWindow = static_cast<HWND>(list.OSWindow());
        ZafList items;
        ListItem *first = new ListItem(L"one");
        ListItem *second = new ListItem(L"TWO");
        items.Add(first);
        items.Add(second);
        for (ListItem *item : { first, second })
        {
            item->SetParent(&list);
            item->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
        }
        second->SetSelected(true);
        EXPECT_EQ(0, second->UpdateOSListItem());
        EXPECT_EQ(L"TWO", ItemText(listWindow, 1));
        EXPECT_EQ(3, SendMessageW(listWindow, LB_GETCOUNT, 0, 0));
        EXPECT_GT(SendMessageW(listWindow, LB_GETSEL, 1, 0), 0);
        if (!multiple)
        {
            EXPECT_EQ(1, SendMessageW(listWindow, LB_GETCURSEL, 0, 0));
        }
        for (ListItem *item : { first, second })
            item->SetParent(nullptr);
    }
    ZafWindowObject outsider(0, 0, 1, 1);
    EXPECT_EQ(1, outsider.UpdateOSListItem());
}

TEST_F(ZafWindowObjectGui, AutomaticUpdateSwitchesRedrawingOfTheOwnWindow)
{
    RecordingObject *object = new RecordingObject(0, 0, 20, 20);
    std::unique_ptr<RecordingObject> owner(Register(object));
    object->messages.clear();
    object->types.clear();
    EXPECT_FALSE(object->SetAutomaticUpdate(false));
    EXPECT_NE(object->messages.end(), std::find(object->messages.begin(), object->messages.end(), UINT(WM_SETREDRAW)));
    EXPECT_FALSE(Has(object->types, ZAF_EV_REDRAW));
    EXPECT_TRUE(object->SetAutomaticUpdate(true));
    EXPECT_TRUE(Has(object->types, ZAF_EV_REDRAW));
}

TEST(ZafWindowObjectModel, CellRowsOfChildObjectsKeepTheirSpacingInPixels)
{
    ZafWindowObject parent(0, 0, 40, 10), child(1, 1, 2, 1), plain(1, 1, 2, 1);
    child.SetParent(&parent);
    ZafRegionStruct loose = plain.Region(), spaced = child.Region();
    plain.ConvertRegion(loose, ZAF_PIXEL);
    child.ConvertRegion(spaced, ZAF_PIXEL);
    ZafDisplay &display = ZafDisplay::SharedOrDefault();
    EXPECT_EQ(loose.left, spaced.left);
    EXPECT_EQ(loose.right, spaced.right);
    EXPECT_EQ(loose.top + display.preSpace, spaced.top);
    EXPECT_EQ(loose.bottom - display.postSpace, spaced.bottom);
    // And back again to the same cells.
    child.ConvertRegion(spaced, ZAF_CELL);
    EXPECT_EQ(1, spaced.top);
    EXPECT_EQ(1, spaced.bottom);
    EXPECT_EQ(2, spaced.right);
    child.SetParent(nullptr);
}

TEST_F(ZafWindowObjectGui, LateRegisteredObjectTakesItsListPlaceInTheZOrder)
{
    ZafWindowObject parent(0, 0, 200, 100);
    parent.SetCoordinateType(ZAF_PIXEL);
    parent.SetParent(host.get());
    parent.Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    ZafList children;
    ZafWindowObject *first = new ZafWindowObject(0, 0, 10, 10);
    ZafWindowObject *middle = new ZafWindowObject(20, 0, 10, 10);
    ZafWindowObject *last = new ZafWindowObject(40, 0, 10, 10);
    for (ZafWindowObject *child : { first, middle, last })
    {
        children.Add(child);
        child->SetParent(&parent);
    }
    middle->SetNumberID(7);
    first->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    last->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    middle->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    HWND firstWindow = static_cast<HWND>(first->OSWindow());
    EXPECT_EQ(middle->OSWindow(), GetWindow(firstWindow, GW_HWNDNEXT));
    EXPECT_EQ(last->OSWindow(), GetWindow(static_cast<HWND>(middle->OSWindow()), GW_HWNDNEXT));
    // A child's control id is its number id.
    EXPECT_EQ(7, GetWindowLongW(static_cast<HWND>(middle->OSWindow()), GWL_ID));
    for (ZafWindowObject *child : { first, middle, last })
        child->SetParent(nullptr);
    children.Destroy();
}
