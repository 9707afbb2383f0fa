#pragma once
// Filling in the Windows system colours of a palette entry: the part of every
// ResolveSystemColors on Windows that turns "the system colour" into the
// colour the running system has. GUI thread only.

#include <windows.h>

#include "framework/core/data/ZafPaletteStruct.h"

// Gives the foreground and background the OS colours given, each only where
// the palette asks for the system colour and holds no OS colour yet.
inline void ZafFillSystemColors(ZafPaletteStruct &palette, COLORREF foreground, COLORREF background)
{
    if (ZafUInt8(palette.colorForeground) == ZAF_SYSTEM_COLOR && palette.osColorForeground == ZAF_UNSET_OS_COLOR)
        palette.osColorForeground = foreground;
    if (ZafUInt8(palette.colorBackground) == ZAF_SYSTEM_COLOR && palette.osColorBackground == ZAF_UNSET_OS_COLOR)
        palette.osColorBackground = background;
}

// The background of an entry field: the face colour while it takes no entry
// (as Windows draws a disabled edit or combo box), the window colour
// otherwise. False (nothing filled) for other palette types.
inline bool ZafFillFieldBackground(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_BACKGROUND)
        return false;
    const COLORREF colour = GetSysColor((state & ZAF_PS_DISABLED) ? COLOR_BTNFACE : COLOR_WINDOW);
    ZafFillSystemColors(palette, colour, colour);
    return true;
}
