// ZafAttachment: an edge of the object at a distance from an edge of a
// reference (another object, the parent's client area, or the screen).
#include "framework/controls/ZafConstraint.h"

#include "framework/core/objects/ZafWindowObject.h"

#include "framework/controls/ZafGeometryManager.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/storage/ZafStorage.h"

#include <algorithm>

ZafAttachment::ZafAttachment(ZafWindowObject *newObject, int newSide) : ZafConstraint(newObject), side(newSide)
{
}

ZafAttachment::ZafAttachment(const ZafAttachment &copy)
    : ZafConstraint(copy), referenceNumberID(copy.reference ? copy.reference->NumberID() : copy.referenceNumberID),
      offset(copy.offset), side(copy.side), stretch(copy.stretch), opposite(copy.opposite)
{
}

ZafAttachment::ZafAttachment(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafConstraint(name, persistence)
{
    auto fields = [this](ZafFile &file) {
        file.ReadInt16(referenceNumberID);
        file.ReadInt32(offset);
    };
    ReadOwnRecord(fields, [this](ZafUInt16 flags) { SplitEdgeFlagWord(flags, side, stretch, opposite); });
}

ZafWindowObject *ZafAttachment::SetReference(ZafWindowObject *value)
{
    reference = value;
    referenceNumberID = value ? value->NumberID() : -1;
    return reference;
}

ZafEventType ZafAttachment::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_SETTLE) {
        ZafConstraint::Event(event);
        if (!reference && referenceNumberID >= 0 && ManagerWindow())
            reference = ManagerWindow()->GetObjectByNumberID(referenceNumberID);
        return ZAF_EV_SETTLE;
    }
    if (event.type != ZAF_EV_COMPUTE_REGION)
        return ZafConstraint::Event(event);

    ZafRegionStruct region;
    if (!ObjectRegion(region))
        return ZAF_EV_COMPUTE_REGION;
    ZafRegionStruct r;
    if (reference) {
        r = reference->Region();
        reference->ConvertRegion(r, ZAF_PIXEL);
    } else if (!object->Parent()) {
        const ZafDisplay &display = ZafDisplay::SharedOrDefault();
        r.Assign(0, 0, display.columns - 1, display.lines - 1, ZAF_PIXEL);
    } else
        r = ParentArea();
    if (opposite) {
        std::swap(r.left, r.right);
        std::swap(r.top, r.bottom);
    }
    const ZafInt32 d = PixelLength(offset, object->CoordinateType(), side == 0 || side == 2);
    const ZafInt32 edges[] = { r.left + d, r.top + d, r.right - d, r.bottom - d };
    if (side >= 0 && side < 4 && PlaceEdge(region, side, edges[side], stretch, region.Width(), region.Height()))
        object->SetRegion(region);
    return ZAF_EV_COMPUTE_REGION;
}

void ZafAttachment::WriteFields(ZafFile &file)
{
    if (reference)
        referenceNumberID = reference->NumberID();
    file.WriteInt16(referenceNumberID);
    file.WriteInt32(offset);
    file.WriteUInt16(EdgeFlagWord(side, stretch, opposite));
}
