// ZafDimensionConstraint: a minimum and a maximum width or height; the
// maximum is applied last, so it wins when both apply.
#include "framework/controls/ZafConstraint.h"

#include "framework/core/objects/ZafWindowObject.h"

#include "framework/core/storage/ZafStorage.h"


ZafDimensionConstraint::ZafDimensionConstraint(ZafWindowObject *newObject, int newType)
    : ZafConstraint(newObject), type(newType)
{
}

ZafDimensionConstraint::ZafDimensionConstraint(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafConstraint(name, persistence)
{
    auto fields = [this](ZafFile &file) {
        file.ReadInt32(maximum);
        file.ReadInt32(minimum);
    };
    ReadOwnRecord(fields, [this](ZafUInt16 flags) { type = flags >> 12; });
}

ZafEventType ZafDimensionConstraint::Event(const ZafEventStruct &event)
{
    if (event.type != ZAF_EV_COMPUTE_REGION)
        return ZafConstraint::Event(event);
    ZafRegionStruct region;
    if ((type != 0 && type != 1) || !ObjectRegion(region))
        return ZAF_EV_COMPUTE_REGION;
    const bool horizontal = type == 0;
    const ZafInt32 low = PixelLength(minimum, object->CoordinateType(), horizontal);
    const ZafInt32 high = PixelLength(maximum, object->CoordinateType(), horizontal);
    ZafInt32 &start = horizontal ? region.left : region.top;
    ZafInt32 &end = horizontal ? region.right : region.bottom;
    if (low != 0 && end - start + 1 < low)
        end = start + low - 1;
    if (high != 0 && end - start + 1 > high)
        end = start + high - 1;
    object->SetRegion(region);
    return ZAF_EV_COMPUTE_REGION;
}

void ZafDimensionConstraint::WriteFields(ZafFile &file)
{
    file.WriteInt32(maximum);
    file.WriteInt32(minimum);
    file.WriteUInt16(ZafUInt16((type & 0x0F) << 12));
}
