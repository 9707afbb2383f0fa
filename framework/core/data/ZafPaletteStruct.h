#pragma once
// ZafPaletteStruct: the drawing attributes of a palette entry, copied by
// value. The colour bytes index the display's colour table and the font byte
// its font table; read as unsigned bytes they may hold the markers of
// ZafConstants.h (unset, system, from parent) instead of an index.

#include "framework/core/base/ZafConstants.h"

struct ZafPaletteStruct
{
    ZafInt8 lineStyle;                // index into the line-style table
    ZafUInt8 fillPattern;             // index into the pattern table; 0 solid
    ZafInt8 colorForeground;          // colour table index; -3 = osColorForeground
    ZafInt8 colorBackground;          // colour table index; -3 = osColorBackground
    ZafInt8 monoForeground;           // kept for monochrome output
    ZafInt8 monoBackground;
    ZafInt8 font;                     // index into the font table
    ZafUInt32 osColorForeground;      // COLORREF; 0xFFFFFFFF = unset
    ZafUInt32 osColorBackground;

    // Every field unset: style, pattern and font 255, colours 254, OS
    // colours 0xFFFFFFFF.
    static ZafPaletteStruct Unset()
    {
        return { ZafInt8(ZAF_UNSET_STYLE), ZAF_UNSET_STYLE, ZafInt8(ZAF_UNSET_COLOR),
                 ZafInt8(ZAF_UNSET_COLOR), ZafInt8(ZAF_UNSET_COLOR), ZafInt8(ZAF_UNSET_COLOR),
                 ZafInt8(ZAF_UNSET_STYLE), ZAF_UNSET_OS_COLOR, ZAF_UNSET_OS_COLOR };
    }
    // The display's default drawing attributes: black on white, font 1.
    static ZafPaletteStruct Default()
    {
        return { 0, 0, 0, 15, 0, 2, 1, 0, 0 };
    }
};

inline bool operator==(const ZafPaletteStruct &a, const ZafPaletteStruct &b)
{
    return a.lineStyle == b.lineStyle && a.fillPattern == b.fillPattern &&
           a.colorForeground == b.colorForeground && a.colorBackground == b.colorBackground &&
           a.monoForeground == b.monoForeground && a.monoBackground == b.monoBackground &&
           a.font == b.font && a.osColorForeground == b.osColorForeground &&
           a.osColorBackground == b.osColorBackground;
}
inline bool operator!=(const ZafPaletteStruct &a, const ZafPaletteStruct &b) { return !(a == b); }
