// ZafToolBar, Windows half: moving the children's OS windows after a
// layout, and drawing the edge and background.
#include <windows.h>

#include "framework/controls/ZafToolBar.h"
#include "framework/windows/ZafBarOS.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/core/objects/ZafChildObjects.h"

namespace {

using ZafChildObjects::AsObject;

} // namespace

ZafEventType ZafToolBar::ApplyLayout(const ZafEventStruct &event)
{
    ZafRegionStruct now = region;
    ConvertRegion(now, ZAF_PIXEL);
    const ZafRegionStruct &old = event.region;
    const bool horizontal = dockType == DOCK_TOP || dockType == DOCK_BOTTOM;
    const bool longer = horizontal ? now.Width() > old.Width() : now.Height() > old.Height();
    // Growing: the first child moves first, into room already made;
    // shrinking: the last first, so that no two children overlap on the way.
    if (longer)
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            AsObject(e)->ApplyPosition();
    else
        for (ZafElement *e = ZafList::Last(); e; e = e->Previous())
            AsObject(e)->ApplyPosition();
    if (!border || old.Width() <= 0 || old.Height() <= 0)
        return ZAF_EV_SIZED;

    const int oldWidth = old.Width(), oldHeight = old.Height();
    const int width = now.Width(), height = now.Height();
    auto redraw = [this](int left, int top, int right, int bottom) {
        ZafRegionStruct strip;
        strip.Assign(left, top, right, bottom, ZAF_PIXEL);
        Event(ZafEventStruct(ZAF_EV_REDRAW_AREA, 0, strip));
    };
    if (horizontal && height != oldHeight) {
        if (dockType == DOCK_TOP) {
            redraw(0, oldHeight - ZafBarEdgeWidth, width - 1, oldHeight - 1);
            redraw(0, height - ZafBarEdgeWidth, width - 1, height - 1);
        } else {
            redraw(0, height - oldHeight, width - 1, height - oldHeight + 1);
            redraw(0, 0, width - 1, 1);
        }
    } else if (!horizontal && width != oldWidth) {
        if (dockType == DOCK_LEFT) {
            redraw(oldWidth - ZafBarEdgeWidth, 0, oldWidth - 1, height - 1);
            redraw(width - ZafBarEdgeWidth, 0, width - 1, height - 1);
        } else {
            redraw(width - oldWidth, 0, width - oldWidth + 1, height - 1);
            redraw(0, 0, 1, height - 1);
        }
    }
    return ZAF_EV_SIZED;
}

ZafEventType ZafToolBar::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    ZafRegionStruct drawRegion = BeginDraw();
    if (border)
        DrawBorder(drawRegion, code);
    DrawBackground(drawRegion, code);
    EndDraw();
    return code;
}

ZafEventType ZafToolBar::DrawBorder(ZafRegionStruct &r, ZafEventType code)
{
    ZafGdiDisplay *display = DrawDisplay();
    const bool draw = ZafBarRedrawsParts(code) && display;
    const ZafPaletteState state = PaletteState();
    // The side facing the client: light outside and dark inside for the top
    // and left bars, the reverse for the bottom and right ones.
    const bool lightFirst = dockType == DOCK_TOP || dockType == DOCK_LEFT;
    for (int line = 0; line < ZafBarEdgeWidth; ++line) {
        if (draw) {
            const bool light = (line == 0) == lightFirst;
            display->SetPalette(ResolvePalette(light ? ZAF_PT_LIGHT_EDGE : ZAF_PT_DARK_EDGE, state));
            switch (dockType) {
            case DOCK_TOP: display->Line(r.left, r.bottom, r.right, r.bottom, 1); break;
            case DOCK_LEFT: display->Line(r.right, r.top, r.right, r.bottom, 1); break;
            case DOCK_BOTTOM: display->Line(r.left, r.top, r.right, r.top, 1); break;
            case DOCK_RIGHT: display->Line(r.left, r.top, r.left, r.bottom, 1); break;
            default: break;
            }
        }
        switch (dockType) {
        case DOCK_TOP: --r.bottom; break;
        case DOCK_LEFT: --r.right; break;
        case DOCK_BOTTOM: ++r.top; break;
        case DOCK_RIGHT: ++r.left; break;
        default: break;
        }
    }
    return code;
}
