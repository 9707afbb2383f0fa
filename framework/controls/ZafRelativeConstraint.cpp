// ZafRelativeConstraint: an edge of the object at a percentage of the
// parent's client area, optionally centring the object on it.
#include "framework/controls/ZafConstraint.h"

#include "framework/core/objects/ZafWindowObject.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/storage/ZafStorage.h"

#include <cstdint>

namespace {

constexpr ZafUInt16 centerBit = 0x0004;

} // namespace

ZafRelativeConstraint::ZafRelativeConstraint(ZafWindowObject *newObject, int newSide)
    : ZafConstraint(newObject), side(newSide)
{
}

ZafRelativeConstraint::ZafRelativeConstraint(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafConstraint(name, persistence)
{
    ReadOwnRecord([this](ZafFile &file) { file.ReadInt32(percent); }, [this](ZafUInt16 flags) {
        SplitEdgeFlagWord(flags, side, stretch, opposite);
        center = flags & centerBit;
    });
}

ZafEventType ZafRelativeConstraint::Event(const ZafEventStruct &event)
{
    if (event.type != ZAF_EV_COMPUTE_REGION)
        return ZafConstraint::Event(event);
    ZafRegionStruct region;
    if (!ObjectRegion(region))
        return ZAF_EV_COMPUTE_REGION;
    const int w = region.Width();
    int h = region.Height();
    if (h == 0)
        h = ZafDisplay::SharedOrDefault().cellHeight;
    const ZafRegionStruct p = ParentArea();
    // Signed 64-bit, truncating toward zero: no wrap for odd percentages.
    auto q = [this](ZafInt32 extent) { return ZafInt32(int64_t(extent) * percent / 100); };
    const ZafInt32 W = p.right + 1, H = p.bottom + 1;
    // The placed edge, pulled back by half the object when centring on it.
    const ZafInt32 halfW = center ? w / 2 : 0, halfH = center ? h / 2 : 0;
    const ZafInt32 edges[] = { (opposite ? p.right - q(W) : q(W)) - halfW, (opposite ? p.bottom - q(H) : q(H)) - halfH,
        (opposite ? q(W) : p.right - q(W)) + halfW, (opposite ? q(H) : p.bottom - q(H)) + halfH };
    if (side >= 0 && side < 4 && PlaceEdge(region, side, edges[side], stretch, w, h))
        object->SetRegion(region);
    return ZAF_EV_COMPUTE_REGION;
}

void ZafRelativeConstraint::WriteFields(ZafFile &file)
{
    file.WriteInt32(percent);
    file.WriteUInt16(EdgeFlagWord(side, stretch, opposite, center ? centerBit : 0));
}
