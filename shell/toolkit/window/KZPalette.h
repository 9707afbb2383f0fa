#pragma once
// KZPaletteEntry: the drawing attributes the toolkit's windows keep, the
// framework's palette entry followed by one byte of the toolkit's own.

#include <cstdint>

#include "framework/core/data/ZafPaletteStruct.h"

struct KZPaletteEntry
{
    ZafPaletteStruct palette;
    uint8_t extra;
};

// Style bytes 0, every colour byte the system default (253), font 1, extra
// byte 0; the two OS colour words are left as they are.
void KZInitPalette(KZPaletteEntry &entry);
void KZCopyPalette(KZPaletteEntry &entry, const ZafPaletteStruct &palette, uint8_t extra);
// Equal styles, colour bytes, font and extra byte; the OS colours are not compared.
bool KZSamePalette(const KZPaletteEntry &a, const KZPaletteEntry &b);
