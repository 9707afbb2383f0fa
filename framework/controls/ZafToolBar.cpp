// ZafToolBar, portable half: settings, the wrap layout, docking and storage.
#include "framework/controls/ZafToolBar.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/objects/ZafChildObjects.h"

#include <algorithm>

namespace {

using ZafChildObjects::AsObject;

constexpr ZafInt8 SYS = ZafInt8(ZAF_SYSTEM_COLOR);
constexpr int edge = 2;              // the edge's width, and the gap around rows
constexpr ZafEventType ignoredFirst = 1054;
constexpr ZafEventType ignoredLast = 1055;

ZafRegionStruct PixelRegion(const ZafWindowObject *object)
{
    ZafRegionStruct region = object->Region();
    object->ConvertRegion(region, ZAF_PIXEL);
    return region;
}

} // namespace

const ZafPaletteMap ZafToolBar::defaultPaletteMap[] = {
    { ZAF_PT_BACKGROUND, 0, { 0, 0, SYS, SYS, 0, 2, 3, 0, 0 } },
    { 0, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
};

ZafToolBar::ZafToolBar(int left, int top, int width, int height) : ZafBar(left, top, width, height)
{
}

ZafToolBar::ZafToolBar(const ZafToolBar &copy) : ZafBar(copy), dockType(copy.dockType), wrap(copy.wrap)
{
}

bool ZafToolBar::SetUseParentFrameHandle(bool value)
{
    if (!parent)
        useParentFrameHandle = value;
    return useParentFrameHandle;
}

ZafRegionStruct ZafToolBar::ClientRegion(ZafWindowObject *)
{
    ZafRegionStruct area = PixelRegion(this);
    area.Assign(0, 0, area.Width() - 1, area.Height() - 1, ZAF_PIXEL);
    return area;
}

const ZafPaletteStruct *ZafToolBar::MapPalette(ZafPaletteType type, ZafPaletteState state)
{
    if (const ZafPaletteStruct *own = FindPalette(defaultPaletteMap, type, state))
        return own;
    return ZafWindow::MapPalette(type, state);
}

void ZafToolBar::ConvertRegion(ZafRegionStruct &convert, ZafCoordinateType type) const
{
    if (convert.coordinateType == type)
        return;
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    if (border && type == ZAF_CELL)
        convert.bottom -= display.ConvertYValue(edge, ZAF_PIXEL, convert.coordinateType);
    ZafWindow::ConvertRegion(convert, type);
    if (border && coordinateType == ZAF_CELL && type != ZAF_CELL)
        convert.bottom += display.ConvertYValue(edge, ZAF_PIXEL, type);
}

// ---- Layout -------------------------------------------------------------------

int ZafToolBar::WrapLines(int barLength, bool rows)
{
    auto along = [rows](const ZafRegionStruct &r) { return rows ? r.Width() : r.Height(); };
    auto across = [rows](const ZafRegionStruct &r) { return rows ? r.Height() : r.Width(); };
    int thickness = 1;
    for (ZafElement *e = ZafList::First(); e; e = e->Next()) {
        AsObject(e)->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        thickness = std::max(thickness, across(PixelRegion(AsObject(e))));
    }
    int lineStart = edge + (border && dockType == (rows ? DOCK_BOTTOM : DOCK_RIGHT) ? edge : 0);
    int position = edge;
    for (ZafElement *e = ZafList::First(); e; e = e->Next()) {
        const int length = along(PixelRegion(AsObject(e)));
        // Also true at a line's start: a child longer than the bar opens a line.
        if (position + length > barLength - edge) {
            position = edge;
            lineStart += thickness + edge;
        }
        const int lineEnd = lineStart + thickness - 1, end = position + length - 1;
        ZafRegionStruct place;
        if (rows)
            place.Assign(position, lineStart, end, lineEnd, ZAF_PIXEL);
        else
            place.Assign(lineStart, position, lineEnd, end, ZAF_PIXEL);
        AsObject(e)->SetRegion(place);
        position += length;
    }
    return (border ? edge : 0) + lineStart + thickness + edge;
}

void ZafToolBar::LayOut(int oldWidth, int oldHeight)
{
    // The window object's rule gives the area left to the bar in its frame.
    ZafWindowObject::Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    ConvertCoordinates(ZAF_PIXEL);
    const ZafDisplay &display = ZafDisplay::SharedOrDefault();
    const bool horizontal = dockType == DOCK_TOP || dockType == DOCK_BOTTOM;
    const bool empty = ZafList::First() == nullptr;
    int width = oldWidth, height = oldHeight;
    if (wrap && horizontal)
        height = empty ? display.cellHeight : WrapLines(region.Width(), true);
    else if (wrap)
        width = empty ? 3 * display.cellWidth : WrapLines(region.Height(), false);
    switch (dockType) {
    case DOCK_TOP: region.bottom = region.top + height - 1; break;
    case DOCK_BOTTOM: region.top = region.bottom - height + 1; break;
    case DOCK_LEFT: region.right = region.left + width - 1; break;
    case DOCK_RIGHT: region.left = region.right - width + 1; break;
    default: break;
    }
}

ZafEventType ZafToolBar::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    if (type == ZAF_EV_COMPUTE_REGION) {
        ZafRegionStruct before = PixelRegion(this);
        LayOut(before.Width(), before.Height());
        return type;
    }
    if (type == ZAF_EV_SIZED)
        return wrap ? ApplyLayout(event) : ZafWindow::Event(event);
    if (type >= ignoredFirst && type <= ignoredLast)
        return ZAF_NOT_HANDLED;
    return ZafWindow::Event(event);
}

// ---- Storage --------------------------------------------------------------------

void ZafToolBar::WriteSupportObjects(ZafObjectPersistence &persistence)
{
    // The window's record is written and its file still open: the bar's own
    // words follow it, before the objects go into their directories.
    if (ZafFile *file = persistence.File()) {
        file->WriteUInt16(wrap ? 1 : 0);
        file->WriteUInt16(ZafUInt16(dockType & 0x0F));
        if (file->Error())
            SetError(file->Error());
    }
    ZafWindow::WriteSupportObjects(persistence);
}

ZafToolBar::ZafToolBar(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafBar(name, persistence)
{
    if (Error())
        return;
    // The window's reading has left the bar's directory: the two words are
    // the last four bytes of the record.
    ZafFile *file = nullptr;
    if (persistence.ChDir(name) == 0) {
        file = persistence.OpenFile(ZAF_OBJECT_DATA, ZAF_PERSIST_READ);
        persistence.ChDir(L"..");
    }
    ZafUInt16 storedWrap = 0, storedDock = 0;
    if (!file || file->Length() < 4 || file->Seek(-4, 2) != 0) {
        SetError(ZAF_FILE_ERROR_FORMAT);
    } else {
        file->ReadUInt16(storedWrap);
        file->ReadUInt16(storedDock);
        if (file->Error())
            SetError(file->Error());
        else {
            wrap = storedWrap != 0;
            dockType = storedDock & 0x0F;
        }
    }
    persistence.CloseFile(file);
}
