#include "framework/core/display/ZafRegionStruct.h"

#include "framework/core/display/ZafDisplay.h"

namespace {

ZafDisplay &DisplayOrShared(ZafDisplay *display)
{
    return display ? *display : ZafDisplay::SharedOrDefault();
}

} // namespace

void ZafPositionStruct::ConvertCoordinates(ZafCoordinateType type, ZafDisplay *display)
{
    if (type == coordinateType)
        return;
    ZafDisplay &d = DisplayOrShared(display);
    column = d.ConvertXValue(column, coordinateType, type);
    line = d.ConvertYValue(line, coordinateType, type);
    coordinateType = type;
}

void ZafRegionStruct::ConvertCoordinates(ZafCoordinateType type, ZafDisplay *display)
{
    if (type == coordinateType)
        return;
    ZafDisplay &d = DisplayOrShared(display);
    // The far edges are inclusive: convert the first unit past them and
    // step back one unit in the new type.
    ZafInt32 newLeft = d.ConvertXValue(left, coordinateType, type);
    ZafInt32 newTop = d.ConvertYValue(top, coordinateType, type);
    ZafInt32 newRight = d.ConvertXValue(right + 1, coordinateType, type) - 1;
    ZafInt32 newBottom = d.ConvertYValue(bottom + 1, coordinateType, type) - 1;
    Assign(newLeft, newTop, newRight < newLeft ? newLeft : newRight,
           newBottom < newTop ? newTop : newBottom, type);
}

ZafRegionStruct ZafRegionStruct::ShrinkByOne()
{
    ZafRegionStruct old = *this;
    ++left; ++top; --right; --bottom;
    return old;
}

ZafRegionStruct ZafRegionStruct::GrowByOne()
{
    ZafRegionStruct old = *this;
    --left; --top; ++right; ++bottom;
    return old;
}

bool ZafRegionStruct::Contains(ZafPositionStruct point, ZafDisplay *display) const
{
    point.ConvertCoordinates(coordinateType, display);
    return Contains(point.column, point.line);
}

bool ZafRegionStruct::Overlap(ZafRegionStruct other, ZafRegionStruct *intersection,
                              ZafDisplay *display) const
{
    other.ConvertCoordinates(coordinateType, display);
    ZafRegionStruct common;
    common.Assign(left > other.left ? left : other.left, top > other.top ? top : other.top,
                  right < other.right ? right : other.right,
                  bottom < other.bottom ? bottom : other.bottom, coordinateType);
    if (common.IsEmpty())
        return false;
    if (intersection)
        *intersection = common;
    return true;
}

bool operator!=(const ZafRegionStruct &a, const ZafRegionStruct &b)
{
    ZafRegionStruct converted = b;
    converted.ConvertCoordinates(a.coordinateType);
    return a.left != converted.left || a.top != converted.top || a.right != converted.right ||
           a.bottom != converted.bottom;
}
