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
