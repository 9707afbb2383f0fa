// ZafStatusBar, Windows half: invalidating the grip and drawing.
#include <windows.h>

#include <algorithm>

#include "framework/controls/ZafStatusBar.h"
#include "framework/windows/ZafBarOS.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/core/objects/ZafChildObjects.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;
using ZafChildObjects::AsObject;

} // namespace

void ZafStatusBar::InvalidateGrip(const ZafRegionStruct &previous)
{
    if (!Registered())
        return;
    ZafRegionStruct now = region;
    ConvertRegion(now, ZAF_PIXEL);
    // Both right edges in the bar's own coordinates.
    const int oldRight = previous.right - now.left;
    const int newRight = now.right - now.left;
    RECT strip = { std::min(oldRight, newRight) - (GRIP_SIZE - 1), 0, std::max(oldRight, newRight) + 1,
        now.Height() };
    InvalidateRect(Handle(osWindow), &strip, TRUE);
}

ZafEventType ZafStatusBar::DrawBorder(ZafRegionStruct &r, ZafEventType code)
{
    ZafGdiDisplay *display = DrawDisplay();
    if (ZafBarRedrawsParts(code) && display) {
        const ZafPaletteState state = PaletteState();
        display->SetPalette(ResolvePalette(ZAF_PT_DARK_EDGE, state));
        display->Line(r.left, r.top, r.right, r.top, 1);
        ++r.top;
        display->SetPalette(ResolvePalette(ZAF_PT_LIGHT_EDGE, state));
        display->Line(r.left, r.top, r.right, r.top, 1);
        ++r.top;
    } else
        r.top += ZafBarEdgeWidth;
    return code;
}

void ZafStatusBar::DrawGrip(const ZafRegionStruct &area)
{
    // Three pairs of diagonal lines, dark over light, in the square at the
    // bar's bottom right corner.
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
        return;
    const ZafPaletteState state = PaletteState();
    const ZafPaletteStruct dark = ResolvePalette(ZAF_PT_DARK_EDGE, state);
    const ZafPaletteStruct light = ResolvePalette(ZAF_PT_LIGHT_EDGE, state);
    const int right = area.right, bottom = area.bottom;
    for (int step = 3; step < GRIP_SIZE; step += 4) {
        display->SetPalette(light);
        display->Line(right - step, bottom, right, bottom - step, 1);
        display->SetPalette(dark);
        display->Line(right - step + 1, bottom, right, bottom - step + 1, 1);
        display->Line(right - step + 2, bottom, right, bottom - step + 2, 1);
    }
}

ZafEventType ZafStatusBar::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    ZafRegionStruct drawRegion = BeginDraw();
    const ZafRegionStruct whole = drawRegion;
    if (border)
        DrawBorder(drawRegion, code);
    DrawBackground(drawRegion, code);
    if (ZafBarRedrawsParts(code))
        DrawGrip(drawRegion);
    // Children draw themselves in the bar's window; only those the update
    // region meets.
    const bool painting = event.type == ZAF_EVENT_OS || event.type == ZAF_EV_REDRAW_AREA;
    const ZafRegionStruct update = painting ? event.region : whole;
    for (ZafElement *e = ZafList::First(); e; e = e->Next()) {
        ZafWindowObject *child = AsObject(e);
        ZafRegionStruct place = child->Region();
        child->ConvertRegion(place, ZAF_PIXEL);
        ConvertToOSRegion(child, place);
        const int left = std::max(place.left, update.left), top = std::max(place.top, update.top);
        const int right = std::min(place.right, update.right), bottom = std::min(place.bottom, update.bottom);
        if (left > right || top > bottom)
            continue;
        ZafEventStruct part = event;
        part.region.Assign(left - place.left, top - place.top, right - place.left, bottom - place.top, ZAF_PIXEL);
        child->Redisplay(part, code);
    }
    EndDraw();
    return code;
}
