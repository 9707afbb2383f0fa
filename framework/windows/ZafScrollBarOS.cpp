// The Windows half of ZafScrollBar: the SCROLLBAR control or track bar, the
// data shown in 16-bit OS positions, and the WM_HSCROLL / WM_VSCROLL steps.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/controls/ZafScrollBar.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

} // namespace

void ZafScrollBar::OSRegisterObject()
{
    DWORD style = WS_CHILD | ZafControlStateStyle(this);
    if (scrollType == HORIZONTAL_BAR || scrollType == VERTICAL_BAR)
    {
        if (scrollType == VERTICAL_BAR)
            style |= SBS_VERT;
        osWindow = CreateOSWindow(this, L"SCROLLBAR", style, nullptr, nullptr, WS_EX_NOPARENTNOTIFY);
    }
    else if (IsSlider())
    {
        InitCommonControls();
        style |= TBS_NOTICKS;
        if (scrollType == VERTICAL_SLIDER)
            style |= TBS_VERT;
        osWindow = CreateOSWindow(this, TRACKBAR_CLASSW, style, nullptr, nullptr, WS_EX_NOPARENTNOTIFY);
    }
    if (osWindow)
        UpdateOSScroll();
}

ZafEventType ZafScrollBar::UpdateOSScroll()
{
    if (!scrollData)
        return 0;
    const int minimum = scrollData->Minimum(), maximum = scrollData->Maximum();
    scaleFactor = ScaleFor(minimum, maximum);
    if (!osWindow || !parent || !parent->OwnOSWindow())
        return 0;
    const ZafUInt32 range = ZafUInt32(maximum) - ZafUInt32(minimum) + 1u;
    const short top = short(range / ZafUInt32(scaleFactor) - 32768u);
    const short pos = short((ZafUInt32(scrollData->Current()) - ZafUInt32(minimum)) / ZafUInt32(scaleFactor) - 32767u);
    if (IsSlider())
    {
        // The track bar reads both words as signed 16-bit positions.
        Send(osWindow, TBM_SETRANGE, TRUE, MAKELONG(WORD(-32767), WORD(top)));
        const int shown = scrollType == VERTICAL_SLIDER ? top - (pos + 32767) : pos;
        Send(osWindow, TBM_SETPOS, TRUE, shown);
        return 0;
    }
    const int bar = useParentFrameHandle ? (scrollType == VERTICAL_BAR ? SB_VERT : SB_HORZ) : SB_CTL;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    const short page = short(scrollData->PageSize() / scaleFactor);
    info.nMin = -32767;
    info.nMax = top + page - 1;
    info.nPage = UINT(page < 0 ? 0 : page);
    info.nPos = pos;
    SetScrollInfo(Handle(osWindow), bar, &info, TRUE);
    return 0;
}

ZafEventType ZafScrollBar::ReadOSPosition()
{
    if (!osWindow || !parent || !parent->OwnOSWindow() || !scrollData)
        return 0;
    int position;
    if (IsSlider())
        position = short(Send(osWindow, TBM_GETPOS, 0, 0));
    else
    {
        const int bar = useParentFrameHandle ? (scrollType == VERTICAL_BAR ? SB_VERT : SB_HORZ) : SB_CTL;
        position = GetScrollPos(Handle(osWindow), bar);
    }
    StoreCurrent(ValueAtPosition(position));
    return 0;
}

int ZafScrollBar::SelectionEnd() const
{
    if (!Registered() || !systemDrawn)
        return 0;
    return HIWORD(Send(osWindow, EM_GETSEL, 0, 0));
}

ZafEventType ZafScrollBar::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_SET_VERTICAL_SCROLL:
    case ZAF_EV_SET_HORIZONTAL_SCROLL:
        scrollData->SetValues(event.scroll.minimum, event.scroll.maximum, event.scroll.current,
            event.scroll.delta, event.scroll.pageSize);
        UpdateOSScroll();
        return type;
    case ZAF_EV_SCROLL_VERTICAL:
    case ZAF_EV_SCROLL_HORIZONTAL:
        // Kept inside the range, so the OS position never wraps.
        StoreCurrent(int(std::max<long long>(scrollData->Minimum(), std::min<long long>(scrollData->Maximum(),
            (long long)scrollData->Current() + event.scroll.delta))));
        UpdateOSScroll();
        return type;
    case ZAF_EV_COMPUTE_REGION:
        ZafWindowObject::Event(event);
        if (autoSize)
        {
            if (scrollType == VERTICAL_SLIDER)
                region.right = region.left + 22;
            else if (scrollType == VERTICAL_BAR)
                region.right = region.left + GetSystemMetrics(SM_CXVSCROLL) - 1;
            else if (scrollType == HORIZONTAL_SLIDER)
                region.bottom = region.top + 22;
            else if (scrollType == HORIZONTAL_BAR)
                region.bottom = region.top + GetSystemMetrics(SM_CYHSCROLL) - 1;
        }
        return type;
    case ZAF_EV_REGISTER:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        if (useParentFrameHandle && scrollType != CORNER)
            UpdateOSScroll();
        return answer;
    }
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafScrollBar::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    if (designMode && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_PAINT:
        return systemDrawn ? ZafEventType(ZafCallClassProcedure(event)) : ZafWindowObject::Event(event);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        if (wParam == VK_TAB)
            return ZAF_NOT_HANDLED;
        if (wParam >= VK_LEFT && wParam <= VK_DOWN)
            return ZafEventType(ZafCallClassProcedure(event));
        return ZafWindowObject::OSEvent(event);
    case WM_HSCROLL:
    case WM_VSCROLL:
        ApplyStep(ScrollStep(LOWORD(wParam), short(HIWORD(wParam))));
        return 0;
    case WM_CTLCOLORSTATIC:
    {
        ZafGdiDisplay *display = DrawDisplay();
        if (!IsSlider() || !display)
            return event.type;
        ZafPaletteStruct background = parent ? parent->ResolvePalette(ZAF_PT_BACKGROUND, PaletteState())
                                             : ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
        // The parent's background palette gives both colours.
        HBRUSH brush = display->ControlColors(reinterpret_cast<HDC>(wParam), background, background);
        return ZafEventType(reinterpret_cast<intptr_t>(brush));
    }
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

void ZafScrollBar::ApplyStep(const Step &step)
{
    const int change = step.value - scrollData->Current();
    if (change == 0)
        return;
    StoreCurrent(step.value);
    UpdateOSScroll();
    if (useParentFrameHandle)
    {
        if (!parent)
            return;
        ZafEventStruct notice(scrollType == VERTICAL_BAR ? ZAF_EV_VERTICAL_SCROLLED : ZAF_EV_HORIZONTAL_SCROLLED, 0);
        notice.scroll = { scrollData->Current(), scrollData->Minimum(), scrollData->Maximum(),
            scrollData->PageSize(), change };
        notice.windowObject = this;
        parent->Event(notice);
        return;
    }
    ZafEventStruct notice(step.code, 0);
    notice.scroll = { scrollData->Current(), scrollData->Minimum(), scrollData->Maximum(), scrollData->PageSize(),
        change };
    notice.windowObject = this;
    CallUserFunction(notice, ZAF_L_SELECT);
}
