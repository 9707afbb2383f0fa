// ZafPrompt on Windows: the "STATIC" control with its hot-key text, fitting
// the region to the text, the prompt's events and raw messages, and drawing
// when the framework draws the label.
#include <windows.h>

#include "framework/controls/ZafPrompt.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafTextControl.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafSystemColors.h"

namespace {

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

// Narrows the span first..last to a text extent placed by the
// justification: 0 at the start (after the gap kept there), 1 at the end,
// 2 centred.
void FitSpan(ZafInt32 &first, ZafInt32 &last, int extent, int justification, int startGap = 0)
{
    if (justification == 2)
    {
        first = first + (last - first + 1) / 2 - (extent + 1) / 2;
        last = first + extent;
    }
    else if (justification == 1)
        first = last - extent;
    else
    {
        first += startGap;
        last = first + extent;
    }
}

} // namespace

void ZafPrompt::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ZafControlStateStyle(this);
    if (hzJustify == 2)
        style |= SS_CENTER;
    else if (hzJustify == 1)
        style |= SS_RIGHT;
    osWindow = CreateOSWindow(this, L"STATIC", style);
    if (!osWindow)
        return;
    ZafTextControlSetFont(this);
    UpdateOSListItem();
}

ZafEventType ZafPrompt::UpdateOSListItem()
{
    if (parent && parent->IsAClassID(ZAF_ID_LIST) && parent->SystemDrawn())
        return ZafWindowObject::UpdateOSListItem();
    if (!Registered())
        return 0;
    if (autoSize)
    {
        Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ApplyPosition();
    }
    if (!ownOSWindow || !systemDrawn)
    {
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
        return 0;
    }
    const ZafIChar *text = stringData && stringData->Text() ? stringData->Text() : L"";
    wchar_t *label = ZafConvertHotKeyText(text, hotKeyIndex);
    ZafTextControlWrite(osWindow, nullptr, label ? label : L"");
    delete[] label;
    return 0;
}

void ZafPrompt::FitToText()
{
    region = requestedRegion;
    if (!autoSize || DesignMode() || region.coordinateType != ZAF_PIXEL)
        return;
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
        return;
    HWND window = Handle(osWindow);
    HDC context = GetDC(window);
    display->PrepareDeviceContext(context);
    display->SetFont(ResolvePalette(ZAF_PT_TEXT, PaletteState()).font);
    const ZafIChar *text = Text();
    ZafRegionStruct extent = display->TextExtent(text ? text : L"");
    display->RestoreDisplayContext();
    ReleaseDC(window, context);
    FitSpan(region.left, region.right, extent.right - extent.left + 1, hzJustify);
    FitSpan(region.top, region.bottom, extent.bottom - extent.top + 1, vtJustify, border ? 3 : 0);
}

ZafEventType ZafPrompt::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);

    case ZAF_EV_HOT_KEY:
        if (hotKeyChar && ZafIChar(event.key) == hotKeyChar)
        {
            if (ZafWindowObject *next = static_cast<ZafWindowObject *>(Next()))
                next->SetFocus(true);
            return type;
        }
        return ZAF_NOT_HANDLED;

    case ZAF_EV_SIZED:
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
        return type;

    case ZAF_EV_COMPUTE_REGION:
    {
        ZafRegionStruct fitted = requestedRegion;
        region = requestedRegion;
        ZafWindowObject::Event(event);
        if (region != fitted)
            requestedRegion = region;     // the parent placed the prompt
        FitToText();
        return type;
    }

    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA:
        if (Registered() && AutomaticUpdate(true) && transparent && parent)
        {
            ZafRedrawByParent(this, event);
            return type;
        }
        return ZafWindowObject::Event(event);

    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafPrompt::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (systemDrawn && !transparent && autoSize && !designMode && vtJustify == 0)
            return ZafCallClassProcedure(event);
        return ZafWindowObject::OSEvent(event);
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetForegroundWindow(Handle(RootObject()->OSHandle(2)));
        return 0;
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

bool ZafPrompt::SetDisabled(bool value)
{
    if (value == disabled)
        return disabled;
    if ((systemDrawn && !transparent && autoSize) || !Registered() || !automaticUpdate)
        return ZafWindowObject::SetDisabled(value);
    Send(osWindow, WM_SETREDRAW, FALSE);
    ZafWindowObject::SetDisabled(value);
    Send(osWindow, WM_SETREDRAW, TRUE);
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return disabled;
}

ZafEventType ZafPrompt::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    if (code == ZAF_EV_REDRAW_DATA)
        code = ZAF_EV_REDRAW;
    ZafRegionStruct drawRegion = BeginDraw();
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
    {
        EndDraw();
        return code;
    }
    if (!transparent || designMode)
        DrawBackground(drawRegion, code);
    if (designMode)
    {
        display->SetLineStyle(1);
        display->SetForeground(0);
        display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, -1, false);
    }
    if ((!autoSize || designMode) && border)
        drawRegion.top += 3;
    if (code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA)
    {
        const ZafIChar *text = Text();
        ZafPaletteState state = PaletteState();
        ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, state);
        if (IsDisabled(true))
        {
            // Etched: a highlight copy one pixel right and down first.
            ZafPaletteStruct etched = ResolvePalette(ZAF_PT_BACKGROUND, state);
            etched.colorForeground = -3;
            etched.osColorForeground = GetSysColor(COLOR_BTNHIGHLIGHT);
            display->SetPalette(etched);
            display->Text(drawRegion.left + 1, drawRegion.top + 1, drawRegion.right, drawRegion.bottom,
                text ? text : L"", -1, hzJustify, vtJustify, hotKeyIndex, false);
        }
        display->SetPalette(palette);
        display->Text(drawRegion.left, drawRegion.top, drawRegion.right - 1, drawRegion.bottom - 1,
            text ? text : L"", -1, hzJustify, vtJustify, hotKeyIndex, false);
    }
    EndDraw();
    return code;
}

void ZafPrompt::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_TEXT)
    {
        ZafWindowObject::ResolveSystemColors(palette, type, state);
        return;
    }
    bool disabledState = (state & ZAF_PS_DISABLED) != 0;
    ZafFillSystemColors(palette, GetSysColor(disabledState ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT),
        GetSysColor(disabledState ? COLOR_BTNHIGHLIGHT : COLOR_WINDOW));
}
