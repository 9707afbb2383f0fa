#include "foundation/values/KPoint.h"

#include "foundation/values/KHelpers.h"
#include "foundation/values/KRect.h"

KPoint &KPoint::operator+=(const KPoint &offset)
{
    x += offset.x;
    y += offset.y;
    return *this;
}

KPoint &KPoint::operator-=(const KPoint &offset)
{
    return *this += KPoint(-offset.x, -offset.y);
}

bool KPoint::ClampTo(const KRect &bounds)
{
    KPoint old = *this;
    x = KMin(bounds.right, KMax(bounds.left, x));
    y = KMin(bounds.bottom, KMax(bounds.top, y));
    return *this != old;
}

bool KPoint::ClampToLimits()
{
    return ClampTo(KRect(-kCoordinateLimit, -kCoordinateLimit, kCoordinateLimit, kCoordinateLimit));
}
