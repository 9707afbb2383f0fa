// ZafButton on screen: automatic sizing, drawing of owner-drawn buttons
// (the 13 x 13 marks of radio buttons and check boxes, edges, bitmap and
// text, the press animation) and the system colours of buttons.
#include <windows.h>

#include <cstdlib>

#include "framework/controls/ZafButton.h"
#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"

namespace {

bool IsMark(int type) { return type == ZAF_RADIO_BUTTON || type == ZAF_CHECK_BOX; }
bool IsPush(int type) { return type == ZAF_PUSH_BUTTON || type == ZAF_PUSH_BUTTON_2; }

bool IsRedraw(ZafEventType code)
{
    return code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_DATA || code == ZAF_EV_REDRAW_AREA;
}

void Shrink(ZafRegionStruct &region, int by)
{
    region.left += by;
    region.top += by;
    region.right -= by;
    region.bottom -= by;
}

} // namespace

// ---- Sizing -------------------------------------------------------------------------

ZafRegionStruct ZafButton::MeasureText()
{
    ZafRegionStruct extent;
    extent.Assign(1, 1, 0, 0, ZAF_PIXEL);
    const ZafIChar *text = Text();
    ZafGdiDisplay *display = DrawDisplay();
    if (!text || !*text || !display)
        return extent;
    HWND window = static_cast<HWND>(osWindow);
    HDC context = GetDC(window);
    display->BeginDraw(context, window);
    ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, PaletteState());
    display->SetFont(palette.font);
    extent = display->TextExtent(text);
    display->EndDraw();
    ReleaseDC(window, context);
    return extent;
}

ZafEventType ZafButton::SizeEvent(const ZafEventStruct &event)
{
    region = savedRegion;
    ZafWindowObject::Event(event);
    if (!autoSize)
        return event.type;
    ConvertCoordinates(ZAF_PIXEL);
    ZafRegionStruct text = MeasureText();
    int bw = 0, bh = 0;
    if (IsMark(buttonType))
        bw = bh = ZAF_BUTTON_IMAGE_SIZE;
    else if (bitmapData)
    {
        bw = bitmapData->Width();
        bh = bitmapData->Height();
    }
    ZafRegionStruct empty;
    empty.Assign(0, 0, -1, -1, ZAF_PIXEL);
    const ZafButtonPlacement place = ZafPlaceButtonContents(empty, bw, bh, text.Width(), text.Height(),
        horizontalPlacement, verticalPlacement);
    const int blockHeight = place.block.Height();
    if (IsMark(buttonType))
    {
        const int top = region.top + region.Height() / 2 - blockHeight / 2;
        region.top = top;
        region.bottom = top + blockHeight - 1;
    }
    else
    {
        int height = 23;
        if (bitmapData)
            height = blockHeight + 6 + (IsPush(buttonType) ? 2 * depth : 0);
        region.top = region.bottom - height + 1;
    }
    if (designMode && allowDefault)
        Shrink(region, -5);
    return event.type;
}

// ---- Drawing ------------------------------------------------------------------------

void ZafButton::DrawText(const ZafRegionStruct &place, const ZafPaletteStruct &palette)
{
    ZafGdiDisplay *display = DrawDisplay();
    const ZafIChar *text = Text();
    if (!display || !text || !*text)
        return;
    if (IsDisabled(true))
    {
        ZafPaletteStruct shadow = palette;
        shadow.colorForeground = palette.colorBackground;
        shadow.osColorForeground = palette.osColorBackground;
        display->SetPalette(shadow);
        display->Text(place.left + 1, place.top + 1, place.right + 1, place.bottom + 1, text, -1, 2, 2,
            hotKeyIndex, false);
    }
    display->SetPalette(palette);
    display->Text(place.left, place.top, place.right, place.bottom, text, -1, 2, 2, hotKeyIndex, false);
}

ZafEventType ZafButton::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    (void)event;
    ZafGdiDisplay *display = DrawDisplay();
    ZafRegionStruct drawRegion = BeginDraw();
    if (!display)
    {
        EndDraw();
        return code;
    }
    if (designMode && allowDefault)
    {
        ZafPaletteStruct frame = parent ? parent->ResolvePalette(ZAF_PT_BACKGROUND, parent->PaletteState())
                                        : ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
        display->SetPalette(frame);
        display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, 0, true);
        frame.lineStyle = 1;
        frame.colorForeground = 0;
        display->SetPalette(frame);
        display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, 1, false);
        Shrink(drawRegion, 5);
    }
    const ZafRegionStruct text = MeasureText();

    if (IsMark(buttonType))
    {
        const bool wasSelected = selected;
        selected = false;
        DrawBackground(drawRegion, ZAF_EV_REDRAW);
        selected = wasSelected;
        ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, PaletteState() & ~ZAF_PS_SELECTED);
        ZafButtonPlacement place = ZafPlaceButtonContents(drawRegion, ZAF_BUTTON_IMAGE_SIZE, ZAF_BUTTON_IMAGE_SIZE,
            text.Width(), text.Height(), horizontalPlacement, verticalPlacement);
        if (ZafBitmapData *image = BuiltInImage(buttonType, selected, pressed))
            display->Bitmap(place.bitmap.left, place.bitmap.top, image->Bitmap());
        DrawFocus(place.text, code);
        if (IsRedraw(code))
            DrawText(place.text, palette);
        EndDraw();
        return code;
    }

    const bool framed = IsDefault() || focus || border;
    const int edge = pressed ? -depth : depth;
    if (code == ZAF_L_SELECT)
    {
        if (buttonType != ZAF_FLAT_BUTTON)
        {
            if (framed)
                DrawBorder(drawRegion, ZAF_EV_REDRAW);
            DrawEdge(drawRegion, edge, ZAF_EV_REDRAW);
            ZafRegionStruct face = drawRegion;
            if (focus)
                DrawFocus(face, ZAF_EV_REDRAW);
            ZafPaletteStruct background = ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
            display->SetPalette(background);
            ZafRegionStruct move = drawRegion;
            if (!pressed)
            {
                move.left += 1;
                move.top += 1;
                display->RegionMove(move, move.left - 1, move.top - 1);
                display->Line(drawRegion.right, drawRegion.top, drawRegion.right, drawRegion.bottom);
                display->Line(drawRegion.left, drawRegion.bottom, drawRegion.right, drawRegion.bottom);
            }
            else
            {
                move.right -= 1;
                move.bottom -= 1;
                display->RegionMove(move, move.left + 1, move.top + 1);
                display->Line(drawRegion.left, drawRegion.top, drawRegion.left, drawRegion.bottom);
                display->Line(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.top);
            }
            if (focus)
            {
                face = drawRegion;
                DrawFocus(face, ZAF_EV_REDRAW);
            }
        }
        EndDraw();
        return code;
    }

    if (framed)
        DrawBorder(drawRegion, code);
    if (buttonType != ZAF_FLAT_BUTTON)
        DrawEdge(drawRegion, edge, code);
    DrawBackground(drawRegion, code);
    if (!FocusBlocked())
    {
        Shrink(drawRegion, framed ? 1 : 2);
        DrawFocus(drawRegion, code);
    }
    else
        Shrink(drawRegion, 1);
    display->SetClipRegion(drawRegion);
    if (IsRedraw(code))
    {
        if (pressed && buttonType != ZAF_FLAT_BUTTON)
        {
            drawRegion.left += 1;
            drawRegion.right += 1;
            drawRegion.top += 1;
            drawRegion.bottom += 1;
        }
        ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, PaletteState());
        const int bw = bitmapData ? bitmapData->Width() : 0, bh = bitmapData ? bitmapData->Height() : 0;
        ZafButtonPlacement place = ZafPlaceButtonContents(drawRegion, bw, bh, text.Width(), text.Height(),
            horizontalPlacement, verticalPlacement);
        if (bitmapData)
            display->Bitmap(place.bitmap.left, place.bitmap.top, bitmapData->Bitmap());
        DrawText(place.text, palette);
    }
    EndDraw();
    return code;
}

ZafEventType ZafButton::DrawBorder(ZafRegionStruct &drawRegion, ZafEventType code)
{
    if (borderByParent && parent)
    {
        ZafRegionStruct parentRegion = OSRegion();
        return parent->DrawBorder(parentRegion, code);
    }
    ZafGdiDisplay *display = DrawDisplay();
    if (display && (code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA))
    {
        display->SetPalette(ResolvePalette(ZAF_PT_RESERVED, PaletteState()));
        display->Rectangle(drawRegion.left, drawRegion.top, drawRegion.right, drawRegion.bottom, 1, false);
    }
    Shrink(drawRegion, 1);
    return code;
}

void ZafButton::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    const bool disabledState = (state & ZAF_PS_DISABLED) != 0;
    int foreground = -1, background = -1;
    if (type & ZAF_PT_TEXT)
    {
        foreground = disabledState ? COLOR_BTNSHADOW : COLOR_BTNTEXT;
        background = disabledState ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
    }
    else if (type & ZAF_PT_BACKGROUND)
    {
        if (IsMark(buttonType) && parent)
        {
            ZafPaletteStruct under = parent->ResolvePalette(ZAF_PT_BACKGROUND, state);
            ZafGdiDisplay *display = DrawDisplay();
            if (display && ZafUInt8(palette.colorForeground) == ZAF_SYSTEM_COLOR
                && palette.osColorForeground == ZAF_UNSET_OS_COLOR)
                palette.osColorForeground = display->ColorReference(under.colorForeground, under.osColorForeground);
            if (display && ZafUInt8(palette.colorBackground) == ZAF_SYSTEM_COLOR
                && palette.osColorBackground == ZAF_UNSET_OS_COLOR)
                palette.osColorBackground = display->ColorReference(under.colorBackground, under.osColorBackground);
            return;
        }
        foreground = background = COLOR_BTNFACE;
    }
    else if (type & ZAF_PT_FOCUS)
        foreground = COLOR_BTNFACE;
    else if ((type & (ZAF_PT_LIGHT_EDGE | ZAF_PT_DARK_EDGE)) && focus && pressed)
    {
        foreground = COLOR_BTNSHADOW;
        background = COLOR_BTNFACE;
    }
    if (foreground < 0)
    {
        ZafWindowObject::ResolveSystemColors(palette, type, state);
        return;
    }
    if (ZafUInt8(palette.colorForeground) == ZAF_SYSTEM_COLOR && palette.osColorForeground == ZAF_UNSET_OS_COLOR)
        palette.osColorForeground = GetSysColor(foreground);
    if (background >= 0 && ZafUInt8(palette.colorBackground) == ZAF_SYSTEM_COLOR
        && palette.osColorBackground == ZAF_UNSET_OS_COLOR)
        palette.osColorBackground = GetSysColor(background);
}
