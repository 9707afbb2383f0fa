#pragma once
// ZafRegionStruct: a rectangle of five 32-bit words, left, top, right and
// bottom (all inclusive) in the coordinate type of the fifth word; and
// ZafPositionStruct, a point of three words. Both are plain values (they sit
// inside ZafEventStruct's data words). Conversions between coordinate types
// go through a display, the shared display when none is given.

#include "framework/core/base/ZafConstants.h"

class ZafDisplay;

struct ZafPositionStruct
{
    ZafInt32 column;                  // x
    ZafInt32 line;                    // y
    ZafCoordinateType coordinateType;

    // Converts the position in place to another coordinate type.
    void ConvertCoordinates(ZafCoordinateType type, ZafDisplay *display = nullptr);
};

struct ZafRegionStruct
{
    ZafInt32 left;
    ZafInt32 top;
    ZafInt32 right;                   // inclusive
    ZafInt32 bottom;                  // inclusive
    ZafCoordinateType coordinateType;

    ZafInt32 Width() const { return right - left + 1; }
    ZafInt32 Height() const { return bottom - top + 1; }
    void Assign(ZafInt32 l, ZafInt32 t, ZafInt32 r, ZafInt32 b, ZafCoordinateType type)
    {
        left = l; top = t; right = r; bottom = b; coordinateType = type;
    }

    // Converts the region in place to another coordinate type; nothing when
    // it already has that type. Right and bottom stay inclusive: a region
    // n cells wide becomes n cell widths of pixels.
    void ConvertCoordinates(ZafCoordinateType type, ZafDisplay *display = nullptr);
    // Move each side in (or out) by one unit; answer the region as it was.
    ZafRegionStruct ShrinkByOne();
    ZafRegionStruct GrowByOne();
    // Whether the point, converted to this region's type, lies inside
    // (edges included).
    bool Contains(ZafPositionStruct point, ZafDisplay *display = nullptr) const;
    bool Contains(ZafInt32 column, ZafInt32 line) const
    {
        return column >= left && column <= right && line >= top && line <= bottom;
    }
    // Whether the other region (converted to this region's type) shares at
    // least one unit with this one; the common part goes to intersection.
    bool Overlap(ZafRegionStruct other, ZafRegionStruct *intersection = nullptr,
                 ZafDisplay *display = nullptr) const;
    bool IsEmpty() const { return right < left || bottom < top; }
};

// Converts b to a's coordinate type (on the shared display) and answers
// whether any of the four sides differs.
bool operator!=(const ZafRegionStruct &a, const ZafRegionStruct &b);
inline bool operator==(const ZafRegionStruct &a, const ZafRegionStruct &b) { return !(a != b); }
