#include "shell/toolkit/window/KZPalette.h"

#include "framework/core/base/ZafConstants.h"

void KZInitPalette(KZPaletteEntry &entry)
{
    const ZafInt8 system = ZafInt8(ZAF_SYSTEM_COLOR);
    entry.palette.lineStyle = 0;
    entry.palette.fillPattern = 0;
    entry.palette.colorForeground = system;
    entry.palette.colorBackground = system;
    entry.palette.monoForeground = system;
    entry.palette.monoBackground = system;
    entry.palette.font = 1;
    entry.extra = 0;
}

void KZCopyPalette(KZPaletteEntry &entry, const ZafPaletteStruct &palette, uint8_t extra)
{
    entry.palette = palette;
    entry.extra = extra;
}

bool KZSamePalette(const KZPaletteEntry &a, const KZPaletteEntry &b)
{
    const ZafPaletteStruct &p = a.palette, &q = b.palette;
    return p.lineStyle == q.lineStyle && p.fillPattern == q.fillPattern &&
           p.colorForeground == q.colorForeground && p.colorBackground == q.colorBackground &&
           p.monoForeground == q.monoForeground && p.monoBackground == q.monoBackground &&
           p.font == q.font && a.extra == b.extra;
}
