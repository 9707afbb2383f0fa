// ZafStatusBar, portable half: settings, children, the region rule,
// coordinates and storage.
#include "framework/controls/ZafStatusBar.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/objects/ZafChildObjects.h"


namespace {

using ZafChildObjects::AsObject;

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);
constexpr int edge = 2;

} // namespace

const ZafPaletteMap ZafStatusBar::defaultPaletteMap[] = {
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 2, 0, 1, 0, 0 } },
    { 0, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
};

ZafStatusBar::ZafStatusBar(int left, int top, int width, int height) : ZafBar(left, top, width, height)
{
}

ZafStatusBar::ZafStatusBar(const ZafStatusBar &copy) : ZafBar(copy)
{
    Configure();
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        Adopt(AsObject(e));
}

ZafStatusBar::ZafStatusBar(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafBar(name, persistence)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        Adopt(AsObject(e));
}

void ZafStatusBar::Adopt(ZafWindowObject *object)
{
    object->SetOwnOSWindow(false);
    object->SetPaletteFromParent(true);
    object->SetBorderByParent(true);
}

ZafWindowObject *ZafStatusBar::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (object && !object->Parent())
        Adopt(object);
    return ZafWindow::Add(object, position);
}

ZafRegionStruct ZafStatusBar::ClientRegion(ZafWindowObject *)
{
    ZafRegionStruct pixels = region;
    ConvertRegion(pixels, ZAF_PIXEL);
    ZafRegionStruct area;
    area.Assign(0, ZafDisplay::SharedOrDefault().preSpace + (border ? edge : 0), pixels.Width() - 1,
        pixels.Height() - 1, ZAF_PIXEL);
    return area;
}

const ZafPaletteStruct *ZafStatusBar::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *own = FindPalette(defaultPaletteMap, type, state))
        return own;
    return ZafWindow::MapPalette(type, state);
}

void ZafStatusBar::ConvertToOSPosition(ZafWindowObject *object, int &x, int &y) const
{
    ZafWindow::ConvertToOSPosition(object, x, y);
    if (border)
        y += edge;
}

void ZafStatusBar::ConvertFromOSPosition(ZafWindowObject *object, int &x, int &y) const
{
    ZafWindow::ConvertFromOSPosition(object, x, y);
    if (border)
        y -= edge;
}

void ZafStatusBar::ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const
{
    if (convert.coordinateType == type)
        return;
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const int adjust = -display.postSpace + (border ? edge : 0);
    if (type == ZAF_CELL)
        convert.bottom -= display.ConvertYValue(adjust, ZAF_PIXEL, convert.coordinateType);
    ZafWindow::ConvertRegion(convert, type);
    if (coordinateType == ZAF_CELL && type != ZAF_CELL)
        convert.bottom += display.ConvertYValue(adjust, ZAF_PIXEL, type);
}

ZafEventType ZafStatusBar::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case ZAF_EV_COMPUTE_REGION: {
        ZafRegionStruct before = region;
        ConvertRegion(before, ZAF_PIXEL);
        ZafEventType answer = ZafWindowObject::Event(event);
        ConvertCoordinates(ZAF_PIXEL);
        region.top = region.bottom - (before.Height() - 1);
        return answer;
    }
    case ZAF_EV_SIZED: {
        ZafEventType answer = ZafWindow::Event(event);
        InvalidateGrip(event.region);
        return answer;
    }
    default:
        return ZafWindow::Event(event);
    }
}
