#include "shell/toolkit/window/KZGeometry.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "shell/toolkit/KZToolkitCodes.h"

int KZGeomSide(uint32_t flags)
{
    if (flags & kGeomBottom)
        return 3;
    if (flags & kGeomTop)
        return 1;
    if (flags & kGeomRight)
        return 2;
    return 0;
}

KZGeomAtt::KZGeomAtt(ZafWindowObject *object, uint32_t flags, int32_t offset)
    : KZGeomAtt(object, nullptr, flags, offset)
{
}

KZGeomAtt::KZGeomAtt(ZafWindowObject *object, ZafWindowObject *reference, uint32_t flags, int32_t offset)
    : ZafAttachment(object, KZGeomSide(flags))
{
    if (reference)
        SetReference(reference);
    SetStretch(!(flags & kGeomKeepSize));
    SetOpposite((flags & kGeomOpposite) != 0);
    SetOffset(offset);
}

KZGeomRC::KZGeomRC(ZafWindowObject *object, uint32_t flags, int32_t percent, int32_t extraOffset)
    : ZafRelativeConstraint(object, KZGeomSide(flags)), extraOffset(extraOffset)
{
    SetStretch(!(flags & kGeomKeepSize));
    SetOpposite((flags & kGeomOpposite) != 0);
    SetCenter((flags & kGeomCenter) != 0);
    if (percent)
        SetPercent(percent);
}

ZafEventType KZGeomRC::Event(const ZafEventStruct &event)
{
    const ZafEventType answer = ZafRelativeConstraint::Event(event);
    ZafWindowObject *moved = Object();
    if (event.type != kEvtLayout || !moved || !ZafDisplay::Shared() || extraOffset == 0)
        return answer;
    ZafRegionStruct region = moved->Region();
    switch (Side()) {
    case 0: region.left += extraOffset; break;
    case 1: region.top += extraOffset; break;
    case 2: region.right += extraOffset; break;
    default: region.bottom += extraOffset; break;
    }
    moved->SetRegion(region);
    return answer;
}

KZGeomDC::KZGeomDC(ZafWindowObject *object, uint32_t flags, int32_t minimum, int32_t maximum)
    : ZafDimensionConstraint(object, (flags & kGeomHeight) ? 1 : 0)
{
    if (minimum)
        SetMinimum(minimum);
    if (maximum == -1)
        maximum = minimum;
    if (maximum)
        SetMaximum(maximum);
}

KZGeomMgr *KZGeomFill(ZafWindowObject *object)
{
    auto *geometry = new KZGeomMgr;
    for (uint32_t side : { kGeomLeft, kGeomTop, kGeomRight, kGeomBottom })
        geometry->Add(new KZGeomAtt(object, side, 0));
    return geometry;
}
