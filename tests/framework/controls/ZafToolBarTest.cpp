#include "ZafLayoutTestSupport.h"

#include "framework/controls/ZafToolBar.h"
#include "framework/core/storage/ZafStorage.h"

#include <utility>

namespace {

struct WrapCase
{
    const char *name;
    int dock;
    int clientWidth, clientHeight;
    int childWidth, childHeight, children;
    RECT expected[3];          // the first three children, in the bar (right and bottom exclusive)
    int barSize;               // height of a horizontal bar, width of a vertical one
};

RECT Rect(int left, int top, int width, int height) { return { left, top, left + width, top + height }; }

} // namespace

class ZafToolBarTest : public ControlTest
{
protected:
    ZafToolBar *AddBar(ZafWindow *window, int dock, int children, int childWidth, int childHeight)
    {
        ZafToolBar *bar = new ZafToolBar(0, 0, 10, 10);
        bar->SetCoordinateType(ZAF_PIXEL);
        bar->SetDockType(dock);
        for (int i = 0; i < children; ++i)
            bar->Add(NewPixelChild(0, 0, childWidth, childHeight));
        window->Add(bar);
        return bar;
    }
    // The colours of the bar's last two pixel rows (bottom row first) at x.
    static std::pair<COLORREF, COLORREF> BottomRows(ZafToolBar *bar, int x)
    {
        HWND handle = static_cast<HWND>(bar->OSWindow());
        UpdateWindow(handle);
        const int height = Size(bar->OSWindow()).cy;
        HDC context = GetDC(handle);
        std::pair<COLORREF, COLORREF> rows = { GetPixel(context, x, height - 1), GetPixel(context, x, height - 2) };
        ReleaseDC(handle, context);
        return rows;
    }
    COLORREF EdgeColor(ZafToolBar *bar, ZafPaletteType type)
    {
        const ZafPaletteStruct edge = bar->ResolvePalette(type, bar->PaletteState());
        return display->ColorReference(edge.colorForeground, edge.osColorForeground);
    }
    static SIZE Size(ZafOSWindow window)
    {
        RECT rect;
        GetWindowRect(static_cast<HWND>(window), &rect);
        return { rect.right - rect.left, rect.bottom - rect.top };
    }
};

TEST_F(ZafToolBarTest, ChildrenWrapIntoRowsOrColumnsAndTheBarTakesTheirSize)
{
    const WrapCase cases[] = {
        { "top, three 30 x 20 in 70", ZafToolBar::DOCK_TOP, 70, 100, 30, 20, 3,
          { Rect(2, 2, 30, 20), Rect(32, 2, 30, 20), Rect(2, 24, 30, 20) }, 48 },
        { "bottom, the edge above the first row", ZafToolBar::DOCK_BOTTOM, 70, 100, 30, 20, 3,
          { Rect(2, 4, 30, 20), Rect(32, 4, 30, 20), Rect(2, 26, 30, 20) }, 50 },
        { "top, a child wider than the bar opens a row", ZafToolBar::DOCK_TOP, 70, 100, 80, 10, 2,
          { Rect(2, 14, 80, 10), Rect(2, 26, 80, 10) }, 40 },
        { "left, columns", ZafToolBar::DOCK_LEFT, 120, 70, 20, 30, 3,
          { Rect(2, 2, 20, 30), Rect(2, 32, 20, 30), Rect(24, 2, 20, 30) }, 48 },
        { "right, the edge before the first column", ZafToolBar::DOCK_RIGHT, 120, 70, 20, 30, 3,
          { Rect(4, 2, 20, 30), Rect(4, 32, 20, 30), Rect(26, 2, 20, 30) }, 50 },
    };
    for (const WrapCase &test : cases) {
        SCOPED_TRACE(test.name);
        ZafWindow *window = NewTopLevel(test.clientWidth, test.clientHeight, { -1 });
        ZafToolBar *bar = AddBar(window, test.dock, test.children, test.childWidth, test.childHeight);
        manager->Add(window);
        Pump(30);
        int index = 0;
        for (ZafElement *e = bar->ZafList::First(); e && index < 3; e = e->Next(), ++index) {
            RECT rect = RectInParent(static_cast<ZafWindowObject *>(e)->OSWindow());
            EXPECT_EQ(test.expected[index].left, rect.left) << index;
            EXPECT_EQ(test.expected[index].top, rect.top) << index;
            EXPECT_EQ(test.expected[index].right, rect.right) << index;
            EXPECT_EQ(test.expected[index].bottom, rect.bottom) << index;
        }
        const SIZE size = Size(bar->OSWindow());
        const bool horizontal = test.dock == ZafToolBar::DOCK_TOP || test.dock == ZafToolBar::DOCK_BOTTOM;
        EXPECT_EQ(test.barSize, horizontal ? size.cy : size.cx);
        EXPECT_EQ(horizontal ? test.clientWidth : test.clientHeight, horizontal ? size.cx : size.cy);
        // The window's client area starts beside the bar.
        const RECT client = RectInParent(window->OSWindow());
        const RECT place = RectInParent(bar->OSWindow());
        if (test.dock == ZafToolBar::DOCK_TOP)
            EXPECT_EQ(place.bottom, client.top);
        else if (test.dock == ZafToolBar::DOCK_BOTTOM)
            EXPECT_EQ(place.top, client.bottom);
        else if (test.dock == ZafToolBar::DOCK_RIGHT)
            EXPECT_EQ(place.left, client.right);
        else
            EXPECT_EQ(place.right, client.left);
        manager->Subtract(window);
        delete window;
    }
}

TEST_F(ZafToolBarTest, WideningTheFrameTakesTheWrappedChildBackIntoTheFirstRow)
{
    ZafWindow *window = NewTopLevel(70, 100, { -1 });
    ZafToolBar *bar = AddBar(window, ZafToolBar::DOCK_TOP, 3, 30, 20);
    manager->Add(window);
    Pump(30);
    ASSERT_EQ(48, Size(bar->OSWindow()).cy);
    ResizeFrame(window->OSHandle(2), 30, 0);
    Pump(30);
    ZafWindowObject *third = static_cast<ZafWindowObject *>(bar->ZafList::Last());
    const RECT place = RectInParent(third->OSWindow());
    EXPECT_EQ(62, place.left);
    EXPECT_EQ(2, place.top);
    EXPECT_EQ(26, Size(bar->OSWindow()).cy);
    EXPECT_EQ(26, RectInParent(window->OSWindow()).top);
    // The edge is drawn again along the new bottom.
    const std::pair<COLORREF, COLORREF> edge = { EdgeColor(bar, ZAF_PT_LIGHT_EDGE), EdgeColor(bar, ZAF_PT_DARK_EDGE) };
    EXPECT_EQ(edge, BottomRows(bar, 97));
    ResizeFrame(window->OSHandle(2), -30, 0);
    Pump(30);
    EXPECT_EQ(24, RectInParent(third->OSWindow()).top);
    EXPECT_EQ(48, RectInParent(window->OSWindow()).top);
}

TEST_F(ZafToolBarTest, AnEmptyBarIsOneCellHighOrThreeCellsWide)
{
    ZafWindow *window = NewTopLevel(150, 150, { -1 });
    ZafToolBar *top = AddBar(window, ZafToolBar::DOCK_TOP, 0, 0, 0);
    ZafToolBar *left = AddBar(window, ZafToolBar::DOCK_LEFT, 0, 0, 0);
    manager->Add(window);
    Pump(30);
    EXPECT_EQ(display->cellHeight, Size(top->OSWindow()).cy);
    EXPECT_EQ(3 * display->cellWidth, Size(left->OSWindow()).cx);
}

TEST_F(ZafToolBarTest, ATopBarDrawsItsEdgeLightBelowDarkOnItsBottomRows)
{
    ZafWindow *window = NewTopLevel(120, 80, { -1 });
    ZafToolBar *bar = AddBar(window, ZafToolBar::DOCK_TOP, 1, 30, 20);
    manager->Add(window);
    Pump(30);
    HWND handle = static_cast<HWND>(bar->OSWindow());
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const COLORREF light = EdgeColor(bar, ZAF_PT_LIGHT_EDGE), dark = EdgeColor(bar, ZAF_PT_DARK_EDGE);
    ASSERT_NE(light, dark);
    EXPECT_EQ(std::make_pair(light, dark), BottomRows(bar, 100));
    HDC context = GetDC(handle);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(context, 100, Size(bar->OSWindow()).cy - 3));
    ReleaseDC(handle, context);
}

TEST_F(ZafToolBarTest, DockTypeAndWrapAreFixedOnScreenAndSurviveStorage)
{
    ZafWindow *window = NewTopLevel(120, 80, { -1 });
    ZafToolBar *bar = AddBar(window, ZafToolBar::DOCK_RIGHT, 1, 20, 20);
    EXPECT_FALSE(bar->SetWrap(false));
    bar->SetStringID(L"TOOLS");
    manager->Add(window);
    EXPECT_EQ(ZafToolBar::DOCK_RIGHT, bar->SetDockType(ZafToolBar::DOCK_TOP));
    EXPECT_FALSE(bar->SetWrap(true));
    EXPECT_EQ(ZAF_NOT_HANDLED, bar->Event(ZafEventStruct(1054, 0)));

    ZafStorage storage;
    ZafObjectPersistence persistence(&storage);
    bar->Write(persistence);
    ASSERT_EQ(0, bar->Error());
    persistence.AddObjectConstructor(L"ZafWindowObject", ZAF_ID_WINDOW_OBJECT, &ZafWindowObject::New);
    ZafToolBar read(L"TOOLS", persistence);
    ASSERT_EQ(0, read.Error());
    EXPECT_EQ(ZafToolBar::DOCK_RIGHT, read.DockType());
    EXPECT_FALSE(read.Wrap());
    EXPECT_EQ(1, read.ZafList::Count());
    EXPECT_TRUE(read.UseParentFrameHandle());
}
