#pragma once
// KRect: a rectangle of signed 32-bit edges {left, top, right, bottom}. Edges
// are inclusive: KRect(0, 0, 9, 9) is 10 wide. A rectangle whose right edge
// lies left of its left edge (or bottom above top) is empty.

#include "foundation/values/KPoint.h"

#include <cstdint>

class KRect
{
public:
    KRect() = default;
    KRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}

    int32_t Width() const { return right - left + 1; }
    int32_t Height() const { return bottom - top + 1; }
    // Width times height; 0 or less when the rectangle is empty.
    int32_t Area() const;
    bool IsEmpty() const { return right < left || bottom < top; }
    // Edges included.
    bool ContainsPoint(const KPoint &point) const;

    bool operator==(const KRect &other) const;
    bool operator!=(const KRect &other) const { return !(*this == other); }
    // Moves the rectangle by the offset.
    KRect &operator+=(const KPoint &offset);
    KRect &operator-=(const KPoint &offset);
    // Grows the rectangle by n on every side (negative n shrinks it).
    void Inflate(int32_t n);

    // Clamps each edge into bounds: a near edge beyond the far bound goes one
    // past it, a far edge before the near bound one before it, which leaves
    // the rectangle empty. True when any edge changed.
    bool ClipTo(const KRect &bounds);
    // Clamps every edge to -kCoordinateLimit..kCoordinateLimit; true when any
    // edge changed.
    bool ClampToLimits();

    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
