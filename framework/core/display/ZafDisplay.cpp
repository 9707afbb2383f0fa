#include "framework/core/display/ZafDisplay.h"

#include <cstdint>
#include <limits>

namespace {

// The entry at index, or fallback outside the table.
template <class Entry, int Size>
Entry TableEntry(const Entry (&table)[Size], int index, Entry fallback)
{
    return index >= 0 && index < Size ? table[index] : fallback;
}

// Stores value at index; false (nothing stored) outside the table.
template <class Entry, int Size>
bool SetTableEntry(Entry (&table)[Size], int index, Entry value)
{
    if (index < 0 || index >= Size)
        return false;
    table[index] = value;
    return true;
}

// The size of one unit of a coordinate type in pixels, as a fraction.
struct UnitSize
{
    int64_t numerator;
    int64_t denominator;
};

bool UnitInPixels(ZafCoordinateType type, ZafInt32 dotsPerInch, ZafInt32 cell,
                  ZafInt32 miniNumerator, ZafInt32 miniDenominator, UnitSize &size)
{
    switch (type) {
    case ZAF_CELL: size = { cell, 1 }; break;
    case ZAF_MINICELL: size = { int64_t(cell) * miniNumerator, miniDenominator }; break;
    case ZAF_PIXEL: size = { 1, 1 }; break;
    case ZAF_POINTS: size = { dotsPerInch, 72 }; break;
    case ZAF_TWIPS: size = { dotsPerInch, 1440 }; break;
    case ZAF_MILS: size = { dotsPerInch, 1000 }; break;
    case ZAF_TENTH_MM: size = { dotsPerInch, 254 }; break;
    default: return false;
    }
    return size.numerator > 0 && size.denominator > 0;
}

ZafInt32 DivideRounded(int64_t numerator, int64_t denominator)
{
    bool negative = numerator < 0;
    int64_t magnitude = negative ? -numerator : numerator;
    int64_t quotient = (magnitude + denominator / 2) / denominator;
    if (negative)
        quotient = -quotient;
    if (quotient > std::numeric_limits<ZafInt32>::max())
        return std::numeric_limits<ZafInt32>::max();
    if (quotient < std::numeric_limits<ZafInt32>::min())
        return std::numeric_limits<ZafInt32>::min();
    return ZafInt32(quotient);
}

ZafInt32 Convert(ZafInt32 value, ZafCoordinateType from, ZafCoordinateType to, ZafInt32 dotsPerInch,
                 ZafInt32 cell, ZafInt32 miniNumerator, ZafInt32 miniDenominator)
{
    if (from == to)
        return value;
    UnitSize source, target;
    if (!UnitInPixels(from, dotsPerInch, cell, miniNumerator, miniDenominator, source) ||
        !UnitInPixels(to, dotsPerInch, cell, miniNumerator, miniDenominator, target))
        return value;
    // value * source / target in exact integers, rounded once at the end.
    return DivideRounded(int64_t(value) * source.numerator * target.denominator,
                         source.denominator * target.numerator);
}

} // namespace

ZafDisplay::ZafDisplay()
{
    for (ZafUInt32 &color : colorTable)
        color = UNUSED_COLOR;
    for (ZafOSFont &font : fontTable)
        font = nullptr;
}

ZafDisplay::~ZafDisplay()
{
    ForgetShared(this);
}

ZafDisplay &ZafDisplay::SharedOrDefault()
{
    static ZafDisplay defaultDisplay;
    ZafDisplay *shared = Shared();
    return shared ? *shared : defaultDisplay;
}

ZafInt32 ZafDisplay::ConvertXValue(ZafInt32 value, ZafCoordinateType from, ZafCoordinateType to) const
{
    return Convert(value, from, to, dotsPerInchX, cellWidth, miniNumeratorX, miniDenominatorX);
}

ZafInt32 ZafDisplay::ConvertYValue(ZafInt32 value, ZafCoordinateType from, ZafCoordinateType to) const
{
    return Convert(value, from, to, dotsPerInchY, cellHeight, miniNumeratorY, miniDenominatorY);
}

ZafUInt32 ZafDisplay::ColorValue(int index) const
{
    return TableEntry(colorTable, index, UNUSED_COLOR);
}

bool ZafDisplay::SetColorValue(int index, ZafUInt32 value)
{
    return SetTableEntry(colorTable, index, value);
}

ZafOSFont ZafDisplay::FontHandle(int index) const
{
    return TableEntry(fontTable, index, ZafOSFont(nullptr));
}

bool ZafDisplay::SetFontHandle(int index, ZafOSFont font)
{
    return SetTableEntry(fontTable, index, font);
}

ZafInt8 ZafDisplay::SetMonoForeground(ZafInt8 color)
{
    palette.monoForeground = color;
    return palette.monoForeground;
}

ZafInt8 ZafDisplay::SetMonoBackground(ZafInt8 color)
{
    palette.monoBackground = color;
    return palette.monoBackground;
}

ZafCoordinateType ZafDisplay::SetCoordinateType(ZafCoordinateType type)
{
    coordinateType = type;
    return coordinateType;
}

void ZafDisplay::SetOrigin(ZafInt32 x, ZafInt32 y)
{
    originX = x;
    originY = y;
}

bool ZafDisplay::SetScale(ZafInt32 numerator, ZafInt32 denominator)
{
    if (numerator <= 0 || denominator <= 0)
        return false;
    scaleNumerator = numerator;
    scaleDenominator = denominator;
    return true;
}
