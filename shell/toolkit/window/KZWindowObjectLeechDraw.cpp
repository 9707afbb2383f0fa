// KZWindowObjectLeech: palettes, clipping and drawing on the shared display.
// Every operation takes client coordinates and converts them with ClientToOS.
// The system header first: the leech's header then drops its DrawText macro.
#include <windows.h>

#include "shell/toolkit/window/KZWindowObjectLeech.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

ZafGdiDisplay *Display() { return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()); }

} // namespace

ZafPaletteStruct KZWindowObjectLeech::CurrentPalette() const
{
    if (ZafGdiDisplay *display = Display())
        return display->Palette();
    return ZafPaletteStruct::Default();
}

ZafPaletteStruct KZWindowObjectLeech::DevicePalette(const ZafPaletteStruct &entry) const
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow())
        return entry;
    // The display checks and maps every index as it takes a palette.
    const ZafPaletteStruct saved = display->SetPalette(entry);
    const ZafPaletteStruct resolved = display->Palette();
    display->SetPalette(saved);
    return resolved;
}

KRect KZWindowObjectLeech::ClipRect() const
{
    ZafGdiDisplay *display = Display();
    KRect clip;
    if (display && display->DeviceContext()) {
        RECT box = {};
        GetClipBox(display->DeviceContext(), &box);
        clip = KRect(box.left, box.top, box.right - 1, box.bottom - 1);
    }
    ParentToClient(clip);
    return clip;
}

KRect KZWindowObjectLeech::SetClipRect(const KRect &rect)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow())
        return rect;
    const KRect previous = ClipRect();
    KRect os = rect;
    ClientToOS(os);
    display->SetClipRegion(KZMakeRegion(os, kCoordPixels));
    return previous;
}

void KZWindowObjectLeech::RedrawRegion(const KRect &rect, ZafEventType code)
{
    ZafRegionStruct region = KZMakeRegion(rect, kCoordPixels);
    region.ConvertCoordinates(host->CoordinateType());
    host->Redisplay(ZafEventStruct(code, 0, region), code);
}

void KZWindowObjectLeech::RedrawClient(ZafEventType code)
{
    RedrawRegion(ClientRect(), code);
}

void KZWindowObjectLeech::DrawBackground(const KRect &rect, ZafEventType code)
{
    if (!HasOSWindow())
        return;
    KRect os = rect;
    ClientToOS(os);
    ZafRegionStruct region = KZMakeRegion(os, kCoordPixels);
    host->DrawBackground(region, code);
}

void KZWindowObjectLeech::DrawEdge(const KRect &rect, int depth, ZafEventType code)
{
    if (!HasOSWindow())
        return;
    KRect os = rect;
    ClientToOS(os);
    ZafRegionStruct region = KZMakeRegion(os, kCoordPixels);
    host->DrawEdge(region, depth, code);
}

void KZWindowObjectLeech::DrawLine(int x1, int y1, int x2, int y2, int width)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow())
        return;
    KPoint from(x1, y1), to(x2, y2);
    ClientToOS(from);
    ClientToOS(to);
    display->Line(from.x, from.y, to.x, to.y, width);
}

void KZWindowObjectLeech::DrawRectangle(const KRect &rect, int width, bool fill)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow())
        return;
    KRect os = rect;
    ClientToOS(os);
    display->Rectangle(os.left, os.top, os.right, os.bottom, width, fill);
}

void KZWindowObjectLeech::DrawText(int x, int y, const wchar_t *text, int hotKey, bool fill)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow() || !text || !*text)
        return;
    const KPoint extent = TextExtent(text);
    KRect os(x, y, x + extent.x - 1, y + extent.y - 1);
    ClientToOS(os);
    display->Text(os.left, os.top, os.right, os.bottom, text, -1, 0, 0, hotKey, fill);
}

void KZWindowObjectLeech::DrawTextInRect(const KRect &rect, const wchar_t *text, int horizontal,
    int vertical, int hotKey, bool fill)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow() || !text)
        return;
    const int length = FittingLength(text, -1, rect.Width());
    if (length == 0)
        return;
    KRect os = rect;
    ClientToOS(os);
    display->Text(os.left, os.top, os.right, os.bottom, text, length, horizontal, vertical, hotKey, fill);
}

void KZWindowObjectLeech::CopyArea(const KRect &source, int x, int y)
{
    ZafGdiDisplay *display = Display();
    if (!display || !HasOSWindow() || !display->DeviceContext())
        return;
    KRect from = source;
    ClientToOS(from);
    KPoint to(x, y);
    ClientToOS(to);
    BitBlt(display->DeviceContext(), to.x, to.y, from.Width(), from.Height(), display->DeviceContext(),
        from.left, from.top, SRCCOPY);
}
