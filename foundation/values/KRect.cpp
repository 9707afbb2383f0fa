#include "foundation/values/KRect.h"

#include "foundation/values/KHelpers.h"

int32_t KRect::Area() const
{
    // An empty rectangle reports 0 or less, even when only one side is negative.
    int64_t w = int64_t(right) - left + 1;
    int64_t h = int64_t(bottom) - top + 1;
    if (w <= 0 || h <= 0)
        return int32_t(w <= 0 ? w : h);
    int64_t area = w * h;
    return area > INT32_MAX ? INT32_MAX : int32_t(area);
}

bool KRect::ContainsPoint(const KPoint &point) const
{
    return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
}

bool KRect::operator==(const KRect &other) const
{
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}

KRect &KRect::operator+=(const KPoint &offset)
{
    left += offset.x;
    right += offset.x;
    top += offset.y;
    bottom += offset.y;
    return *this;
}

KRect &KRect::operator-=(const KPoint &offset)
{
    return *this += KPoint(-offset.x, -offset.y);
}

void KRect::Inflate(int32_t n)
{
    left -= n;
    top -= n;
    right += n;
    bottom += n;
}

namespace {

// Clamps a near edge into [low, high + 1] and a far edge into [low - 1, high].
int32_t ClampNear(int32_t v, int32_t low, int32_t high)
{
    return v < low ? low : v > high ? high + 1 : v;
}

int32_t ClampFar(int32_t v, int32_t low, int32_t high)
{
    return v > high ? high : v < low ? low - 1 : v;
}

} // namespace

bool KRect::ClipTo(const KRect &bounds)
{
    KRect old = *this;
    left = ClampNear(left, bounds.left, bounds.right);
    top = ClampNear(top, bounds.top, bounds.bottom);
    right = ClampFar(right, bounds.left, bounds.right);
    bottom = ClampFar(bottom, bounds.top, bounds.bottom);
    return *this != old;
}

bool KRect::ClampToLimits()
{
    KRect old = *this;
    left = KMin(kCoordinateLimit, KMax(-kCoordinateLimit, left));
    top = KMin(kCoordinateLimit, KMax(-kCoordinateLimit, top));
    right = KMin(kCoordinateLimit, KMax(-kCoordinateLimit, right));
    bottom = KMin(kCoordinateLimit, KMax(-kCoordinateLimit, bottom));
    return *this != old;
}
