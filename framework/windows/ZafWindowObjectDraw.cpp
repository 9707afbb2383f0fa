// ZafWindowObject drawing on Windows: the drawing sequence, background,
// border, edges, focus rectangle, system colours and the OS font.
#include <windows.h>

#include <cstdlib>

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafSystemColors.h"

namespace {

using ZafOSCalls::Handle;

bool IsRedrawCode(ZafEventType code)
{
    return code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA;
}

} // namespace

ZafGdiDisplay *ZafWindowObject::DrawDisplay()
{
    return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
}

ZafRegionStruct ZafWindowObject::BeginDraw()
{
    ZafRegionStruct drawRegion = OSRegion();
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
        return drawRegion;
    if (!designMode)
    {
        display->BeginDraw(nullptr, Handle(osWindow));
        display->SetClipRegion(drawRegion);
        return drawRegion;
    }
    // In design mode the object draws over its children.
    HRGN clip = CreateRectRgn(0, 0, 10000, 10000);
    HDC context = GetDCEx(Handle(OSHandle(2)), clip, DCX_PARENTCLIP);
    DeleteObject(clip);
    designContext = context;
    display->BeginDraw(context, nullptr);
    return drawRegion;
}

void ZafWindowObject::EndDraw()
{
    ZafGdiDisplay *display = DrawDisplay();
    if (display)
        display->EndDraw();
    if (designContext)
    {
        // Release the context this object took, never the display's own.
        ReleaseDC(Handle(OSHandle(2)), static_cast<HDC>(designContext));
        designContext = nullptr;
    }
}

ZafEventType ZafWindowObject::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    ZafRegionStruct drawRegion = BeginDraw();
    if (border)
        DrawBorder(drawRegion, code);
    DrawBackground(drawRegion, code);
    const ZafIChar *text = Text();
    ZafGdiDisplay *display = DrawDisplay();
    if (text && display && (IsRedrawCode(code) || code == ZAF_EV_REDRAW_DATA))
    {
        display->SetPalette(ResolvePalette(ZAF_PT_TEXT, PaletteState()));
        display->Text(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom,
            text, -1, 0, 0, -1, false);
    }
    DrawFocus(drawRegion, code);
    EndDraw();
    return code;
}

ZafEventType ZafWindowObject::DrawBackground(ZafRegionStruct &drawRegion, ZafEventType code)
{
    if (!IsRedrawCode(code) && code != ZAF_EV_REDRAW_DATA && code != ZAF_L_SELECT)
        return code;
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
        return code;
    display->SetPalette(ResolvePalette(ZAF_PT_BACKGROUND, PaletteState()));
    display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, 0, true);
    return code;
}

ZafEventType ZafWindowObject::DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code)
{
    if (borderByParent && parent)
        return parent->DrawBorder(drawRegion, code);
    return DrawEdge(drawRegion, -2, code);
}

ZafEventType ZafWindowObject::DrawEdge(ZafRegionStruct &drawRegion, int depth, ZafEventType code)
{
    ZafGdiDisplay *display = DrawDisplay();
    if (!IsRedrawCode(code) || !display)
    {
        int shrink = std::abs(depth);
        drawRegion.left += shrink;
        drawRegion.top += shrink;
        drawRegion.right -= shrink;
        drawRegion.bottom -= shrink;
        return code;
    }
    ZafPaletteState state = PaletteState();
    ZafPaletteStruct light = ResolvePalette(ZAF_PT_LIGHT_EDGE, state);
    ZafPaletteStruct dark = ResolvePalette(ZAF_PT_DARK_EDGE, state);
    ZafPaletteStruct lightInner = light;
    lightInner.colorForeground = light.colorBackground;
    lightInner.osColorForeground = light.osColorBackground;
    ZafPaletteStruct darkInner = dark;
    darkInner.colorForeground = dark.colorBackground;
    darkInner.osColorForeground = dark.osColorBackground;

    int rings = depth == 0 ? 2 : std::abs(depth);
    for (int ring = 0; ring < rings; ++ring)
    {
        const ZafPaletteStruct *bottomRight;
        const ZafPaletteStruct *topLeft;
        if (depth < 0)
        {
            bottomRight = ring == 0 ? &light : &lightInner;
            topLeft = ring == 0 ? &dark : &darkInner;
        }
        else if (depth >= 2)
        {
            bottomRight = ring == 0 ? &darkInner : &dark;
            topLeft = ring == 0 ? &lightInner : &light;
        }
        else if (depth == 1)
        {
            bottomRight = &dark;
            topLeft = &light;
        }
        else
        {
            bottomRight = ring == 0 ? &light : &dark;
            topLeft = ring == 0 ? &dark : &light;
        }
        ZafRegionStruct &r = drawRegion;
        display->SetPalette(*bottomRight);
        display->Line(r.left, r.bottom, r.right, r.bottom, -1);
        --r.bottom;
        display->Line(r.right, r.top, r.right, r.bottom, -1);
        --r.right;
        display->SetPalette(*topLeft);
        display->Line(r.left, r.top, r.right, r.top, -1);
        ++r.top;
        display->Line(r.left, r.top, r.left, r.bottom, -1);
        ++r.left;
    }
    return code;
}

ZafEventType ZafWindowObject::DrawFocus(ZafRegionStruct &drawRegion, ZafEventType code)
{
    if (focusByParent && parent)
    {
        if (IsRedrawCode(code) && !focus)
            code = 0;
        ZafRegionStruct parentRegion = OSRegion();
        ZafEventType answer = parent->DrawFocus(parentRegion, code);
        drawRegion.left += 1;
        drawRegion.top += 1;
        drawRegion.right -= 1;
        drawRegion.bottom -= 1;
        return answer;
    }
    ZafGdiDisplay *display = DrawDisplay();
    bool draw = code == ZAF_EV_FOCUS_GAINED || code == ZAF_EV_FOCUS_LOST || (IsRedrawCode(code) && focus);
    if (draw && display && display->DeviceContext())
    {
        display->SetPalette(ResolvePalette(ZAF_PT_FOCUS, PaletteState()));
        RECT rect = { drawRegion.left, drawRegion.top, drawRegion.right + 1, drawRegion.bottom + 1 };
        DrawFocusRect(display->DeviceContext(), &rect);
    }
    drawRegion.left += 1;
    drawRegion.top += 1;
    drawRegion.right -= 1;
    drawRegion.bottom -= 1;
    return code;
}

void ZafWindowObject::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    const ZafPlatformInfo &platform = ZafMSWindowsApp::Platform();
    bool modern = platform.platform == 2 || (platform.platform == 3 && platform.version >= 400);
    bool disabledState = (state & ZAF_PS_DISABLED) != 0;
    int foreground = -1, background = -1;
    if (type & ZAF_PT_TEXT)
    {
        foreground = disabledState ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
        background = disabledState ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
    }
    else if (type & ZAF_PT_FACE_TEXT)
    {
        foreground = COLOR_WINDOWTEXT;
        background = COLOR_BTNFACE;
    }
    else if (type & (ZAF_PT_BACKGROUND | ZAF_PT_FOCUS))
        foreground = background = COLOR_BTNFACE;
    else if (type & ZAF_PT_LIGHT_EDGE)
    {
        foreground = COLOR_BTNHIGHLIGHT;
        background = modern ? COLOR_3DLIGHT : COLOR_BTNFACE;
    }
    else if (type & ZAF_PT_DARK_EDGE)
    {
        foreground = COLOR_BTNSHADOW;
        background = modern ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW;
    }
    if (foreground < 0)
        return;
    ZafFillSystemColors(palette, GetSysColor(foreground), GetSysColor(background));
}

ZafEventType ZafWindowObject::ApplyOSFont()
{
    if (!Registered())
        return 0;
    if (ownOSWindow && systemDrawn)
    {
        ZafPaletteStruct text = ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ENABLED | ZAF_PS_ROOT_CURRENT);
        const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
        HWND window = Handle(osWindow);
        os.sendMessage(window, WM_SETREDRAW, FALSE, 0);
        ZafGdiDisplay *display = DrawDisplay();
        HFONT font = display ? display->FontAt(ZafDisplay::ValidFontIndex(text.font) ? text.font : 1) : nullptr;
        os.sendMessage(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (automaticUpdate && visible)
            os.sendMessage(window, WM_SETREDRAW, TRUE, 0);
    }
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return 0;
}
