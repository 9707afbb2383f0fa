// The Windows half of ZafNotebook: its OS window, choosing pages, the tab
// layout and scrolling, keys, presses and hot keys, and drawing.
#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "framework/controls/ZafNotebook.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/core/objects/ZafChildObjects.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;
using ZafChildObjects::AsObject;

constexpr ZafEventType scrollLeft = -310;
constexpr ZafEventType scrollRight = -311;
// The scroll buttons: 18 pixels square plus edge, 19 apart.
constexpr int buttonSize = 18;
constexpr int buttonStep = 19;

void Shift(ZafWindowObject *tab, int amount)
{
    ZafRegionStruct area = tab->Region();
    area.left += amount;
    area.right += amount;
    tab->SetRegion(area);
}

bool Visible(ZafWindowObject *object)
{
    return object && object->IsVisible(false);
}

} // namespace

void ZafNotebook::OSRegisterObject()
{
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ZafControlStateStyle(this);
    osWindow = CreateOSWindow(this, nullptr, style, nullptr, nullptr, WS_EX_NOPARENTNOTIFY);
}

void ZafNotebook::RedrawArea(const ZafRegionStruct &area)
{
    if (!osWindow)
        return;
    RECT rect = { area.left, area.top, area.right + 1, area.bottom + 1 };
    InvalidateRect(Handle(osWindow), &rect, TRUE);
}

// ---- Choosing a page ---------------------------------------------------------------------

void ZafNotebook::SetCurrentPage(int index)
{
    if (index == currentPage || index < 0 || index >= ZafList::Count())
        return;
    if (ZafWindow *old = CurrentPage())
    {
        if (ZafNotebookTab *tab = Tab(currentPage))
        {
            tab->ZafWindowObject::SetSelected(false);
            if (Registered())
                RedrawArea(tab->Region());
        }
        if (Registered())
            old->Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    }
    ZafWindow *page = static_cast<ZafWindow *>(AsObject(ZafList::Get(index)));
    ZafNotebookTab *tab = Tab(index);
    currentPage = index;
    ZafList::SetCurrent(page);
    if (tab)
        tab->ZafWindowObject::SetSelected(true);
    if (Registered())
    {
        const int rowStart = RowOffset();
        if (tab && Visible(leftButton) && tab->Region().right > leftButton->Region().left)
        {
            while (tab->Region().right > leftButton->Region().left && ScrollTabs(true))
                ;
        }
        else if (tab && Visible(leftButton) && tab->Region().left < rowStart)
        {
            while (tab->Region().left < rowStart && ScrollTabs(false))
                ;
        }
        else if (tab)
            RedrawArea(tab->Region());
        page->SetRegion(ClientRegion(page));
        page->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
        if (focus)
            page->SetFocus(true);
    }
    Event(ZafEventStruct(ZAF_EV_PAGE_CHANGED, 0));
    currentPage = index;
}

// ---- Tab layout and scrolling ----------------------------------------------------------------

void ZafNotebook::LayoutTabs()
{
    const int o = RowOffset(), h = RowHeight();
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->SetRegion(ClientRegion(AsObject(e)));
    ZafGdiDisplay *display = DrawDisplay();
    HWND window = Handle(osWindow);
    HDC context = (display && window) ? GetDC(window) : nullptr;
    if (context)
    {
        display->PrepareDeviceContext(context);
        display->SetFont(ResolvePalette(ZAF_PT_TEXT, PaletteState()).font);
    }
    const int cellWidth = ZafDisplay::SharedOrDefault().cellWidth;
    int x = o;
    for (ZafElement *e = supportList.First(); e; e = e->Next())
    {
        ZafNotebookTab *tab = static_cast<ZafNotebookTab *>(AsObject(e));
        int width = tabWidth;
        if (width <= 0)
        {
            const ZafIChar *text = tab->Text();
            int textWidth = 0;
            if (display && text && *text)
            {
                ZafRegionStruct extent = display->TextExtent(text);
                textWidth = extent.right - extent.left + 1;
            }
            width = textWidth + 2 * cellWidth + 1;
        }
        ZafRegionStruct area;
        area.Assign(x, o, x + width + 3, o + h - 1, ZAF_PIXEL);
        tab->SetRegion(area);
        x += width;
    }
    if (context)
    {
        display->RestoreDisplayContext();
        ReleaseDC(window, context);
    }
    const int count = supportList.Count();
    if (firstVisibleTab > 0 && firstVisibleTab < count)
    {
        const int amount = Tab(firstVisibleTab - 1)->Region().right;
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            Shift(AsObject(e), -amount);
    }
    const int width = Width();
    while (firstVisibleTab > 0 && count > 0)
    {
        const int hidden = firstVisibleTab;
        int available = width - (border ? 4 : 0) - (hidden > 1 ? 2 * buttonStep : 0)
            - Tab(count - 1)->Region().right - o;
        ZafRegionStruct previous = Tab(firstVisibleTab - 1)->Region();
        if (available < previous.right - previous.left || !ScrollTabs(false))
            break;
    }
    UpdateScrollButtons();
    if (ZafWindow *page = CurrentPage())
    {
        page->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        page->ApplyPosition();
    }
    if (osWindow)
        InvalidateRect(Handle(osWindow), nullptr, TRUE);
}

bool ZafNotebook::ScrollTabs(bool right)
{
    const int count = supportList.Count();
    if (count == 0)
        return false;
    if (!right)
    {
        if (firstVisibleTab <= 0)
            return false;
        --firstVisibleTab;
        ZafRegionStruct first = Tab(firstVisibleTab)->Region();
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            Shift(AsObject(e), first.right - first.left - 3);
    }
    else
    {
        if (Tab(count - 1)->Region().right - 2 < Width() - 37 || firstVisibleTab >= count - 1)
            return false;
        ZafRegionStruct first = Tab(firstVisibleTab)->Region();
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            Shift(AsObject(e), -(first.right - first.left - 3));
        ++firstVisibleTab;
    }
    ZafRegionStruct row;
    row.Assign(0, 0, Width(), RowOffset() + RowHeight() - 1, ZAF_PIXEL);
    RedrawArea(row);
    UpdateScrollButtons();
    return true;
}

void ZafNotebook::UpdateScrollButtons()
{
    if (!leftButton || !rightButton)
        return;
    const int count = supportList.Count();
    const int o = RowOffset();
    const int width = Width();
    if (count == 0 || (firstVisibleTab == 0 && Tab(count - 1)->Region().right - 2 < width + 1))
    {
        leftButton->SetVisible(false);
        rightButton->SetVisible(false);
        return;
    }
    ZafEventStruct place(ZAF_EV_SET_REGION, 0);
    place.region.Assign(width - o - buttonSize, o + 2, width - o, o + 2 + buttonSize, ZAF_PIXEL);
    rightButton->Event(place);
    place.region.Assign(width - o - buttonSize - buttonStep, o + 2, width - o - buttonStep, o + 2 + buttonSize,
        ZAF_PIXEL);
    leftButton->Event(place);
    leftButton->SetDisabled(firstVisibleTab == 0);
    const bool more = firstVisibleTab < count - 1 && leftButton->Region().left < Tab(count - 1)->Region().right;
    rightButton->SetDisabled(!more);
    leftButton->SetVisible(true);
    rightButton->SetVisible(true);
}

// ---- Events ----------------------------------------------------------------------------------

ZafEventType ZafNotebook::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_SETTLE:
    {
        ZafEventType answer = ZafWindow::Event(event);
        firstVisibleTab = 0;
        MakeScrollButtons();
        leftButton->Event(event);
        rightButton->Event(event);
        return answer;
    }
    case ZAF_EV_REGISTER:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            AsObject(e)->Event(event);
        if (!leftButton)
            MakeScrollButtons();
        if (ZafWindow *page = CurrentPage())
        {
            page->SetRegion(ClientRegion(page));
            page->Event(event);
        }
        leftButton->Event(event);
        rightButton->Event(event);
        LayoutTabs();
        return answer;
    }
    case ZAF_EV_UNREGISTER:
        if (leftButton)
            leftButton->Event(event);
        if (rightButton)
            rightButton->Event(event);
        return ZafWindow::Event(event);
    case ZAF_EV_OS_WINDOW_GONE:
    {
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (manager && manager->tipObject == this)
            manager->tipObject = nullptr;
        ZafEventType answer = ZafWindowObject::Event(event);
        if (ZafWindow *page = CurrentPage())
            page->Event(event);
        frameWindow = nullptr;
        DeleteScrollButtons();
        return answer;
    }
    case ZAF_EV_SIZED:
        LayoutTabs();
        return type;
    case scrollLeft:
    case scrollRight:
        ScrollTabs(type == scrollRight);
        return type;
    case ZAF_EV_HOT_KEY:
        return TabHotKeyEvent(event);
    default:
        return ZafWindow::Event(event);
    }
}

ZafEventType ZafNotebook::TabHotKeyEvent(const ZafEventStruct &event)
{
    const ZafIChar key = ZafIChar(event.key);
    int index = 0;
    for (ZafElement *e = supportList.First(); e; e = e->Next(), ++index)
    {
        ZafNotebookTab *tab = static_cast<ZafNotebookTab *>(AsObject(e));
        if (!tab->HotKey() || towupper(tab->HotKey()) != towupper(key))
            continue;
        ZafWindowObject *page = AsObject(ZafList::Get(index));
        if (page && !page->IsDisabled(true))
        {
            SetCurrentPage(index);
            return event.type;
        }
        break;
    }
    ZafWindow *page = CurrentPage();
    return page ? page->Event(event) : ZAF_NOT_HANDLED;
}

ZafEventType ZafNotebook::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    if (designMode && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_LBUTTONDOWN)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        return ZafWindowObject::OSEvent(event);
    case WM_KEYDOWN:
    {
        // Ctrl+Tab is the notebook's before any page sees it: the page would
        // take it for its own Tab order.
        if (event.osEvent.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0)
            return KeyEvent(event);
        ZafEventType answer = ZafWindow::OSEvent(event);
        if (answer != ZAF_NOT_HANDLED)
            return answer;
        return KeyEvent(event);
    }
    case WM_LBUTTONDOWN:
        ZafWindow::OSEvent(event);
        return PressEvent(event);
    default:
        return ZafWindow::OSEvent(event);
    }
}

ZafEventType ZafNotebook::KeyEvent(const ZafEventStruct &event)
{
    const WPARAM key = event.osEvent.wParam;
    const int count = ZafList::Count();
    if (count == 0)
        return ZAF_NOT_HANDLED;
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    int step = 0;
    if (key == VK_NEXT)
        step = 1;
    else if (key == VK_PRIOR)
        step = -1;
    else if (key == VK_TAB && control)
        step = shift ? -1 : 1;
    if (step == 0)
        return ZAF_NOT_HANDLED;
    SetCurrentPage((currentPage + step + count) % count);
    return 0;
}

ZafEventType ZafNotebook::PressEvent(const ZafEventStruct &event)
{
    const int x = short(LOWORD(event.osEvent.lParam)), y = short(HIWORD(event.osEvent.lParam));
    if (Visible(leftButton) && x >= leftButton->Region().left)
        return 0;
    int index = 0;
    for (ZafElement *e = supportList.First(); e; e = e->Next(), ++index)
    {
        ZafRegionStruct area = AsObject(e)->Region();
        if (index >= firstVisibleTab && x >= area.left && x <= area.right - 3 && y >= area.top && y <= area.bottom)
        {
            SetCurrentPage(index);
            break;
        }
    }
    return 0;
}

// ---- Drawing -----------------------------------------------------------------------------------

ZafEventType ZafNotebook::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    ZafRegionStruct area = BeginDraw();
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
    {
        EndDraw();
        return code;
    }
    ZafRegionStruct inner = area;
    if (border)
    {
        inner.left += 2;
        inner.top += 2;
        inner.right -= 2;
        inner.bottom -= 2;
    }
    const int h = RowHeight();
    ZafPaletteStruct rowPalette = parent ? parent->ResolvePalette(ZAF_PT_BACKGROUND, PaletteState())
                                         : ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
    display->SetPalette(rowPalette);
    display->Rectangle(area.left, area.top, area.right, inner.top + h - 1, 0, true);
    ZafRegionStruct panel = inner;
    panel.top = inner.top + h - 2;
    DrawEdge(panel, 2, code);
    display->SetPalette(ResolvePalette(ZAF_PT_BACKGROUND, PaletteState()));
    display->Rectangle(panel.left + 2, panel.top + 2, panel.right - 2, panel.bottom - 2, 0, true);
    EndDraw();
    int index = 0;
    for (ZafElement *e = supportList.First(); e; e = e->Next(), ++index)
        if (index >= firstVisibleTab && index != currentPage)
            AsObject(e)->Redisplay(event, code);
    if (ZafNotebookTab *tab = Tab(currentPage))
        tab->Redisplay(event, code);
    if (border)
    {
        ZafRegionStruct outline = BeginDraw();
        DrawBorder(outline, code);
        EndDraw();
    }
    return code;
}

ZafEventType ZafNotebookTab::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    if (code != ZAF_EV_REDRAW && code != ZAF_EV_REDRAW_AREA && code != ZAF_EV_REDRAW_DATA)
        return code;
    ZafGdiDisplay *display = DrawDisplay();
    if (!display || !Registered())
        return code;
    ZafRegionStruct area = BeginDraw();
    if (!selected)
    {
        area.left += 2;
        area.top += 2;
        area.right -= 2;
        area.bottom -= 1;
    }
    const int shorter = selected ? 1 : 0;
    if (code != ZAF_EV_REDRAW_DATA)
    {
        ZafPaletteStruct light = ResolvePalette(ZAF_PT_LIGHT_EDGE, PaletteState());
        ZafPaletteStruct dark = ResolvePalette(ZAF_PT_DARK_EDGE, PaletteState());
        display->SetPalette(light);
        display->SetForeground(light.colorBackground);
        display->Line(area.left, area.top + 2, area.left, area.bottom - shorter);
        display->Line(area.left + 2, area.top, area.right - 2, area.top);
        display->Pixel(area.left + 1, area.top + 1, light.colorBackground);
        display->SetForeground(light.colorForeground);
        display->Line(area.left + 1, area.top + 2, area.left + 1, area.bottom - shorter);
        display->Line(area.left + 2, area.top + 1, area.right - 2, area.top + 1);
        display->SetPalette(dark);
        display->SetForeground(dark.colorBackground);
        display->Line(area.right, area.top + 2, area.right, area.bottom - shorter);
        display->Pixel(area.right - 1, area.top + 1, dark.colorBackground);
        display->SetForeground(dark.colorForeground);
        display->Line(area.right - 1, area.top + 2, area.right - 1, area.bottom - shorter);
    }
    display->SetPalette(ResolvePalette(ZAF_PT_BACKGROUND, PaletteState()));
    display->Rectangle(area.left + 2, area.top + 2, area.right - 2, area.bottom, 0, true);
    if (const ZafIChar *text = Text())
    {
        display->SetPalette(ResolvePalette(ZAF_PT_TEXT, PaletteState()));
        display->Text(area.left + 2, area.top + 2, area.right - 2, area.bottom, text, -1, 2, 2, hotKeyIndex);
    }
    EndDraw();
    return code;
}
