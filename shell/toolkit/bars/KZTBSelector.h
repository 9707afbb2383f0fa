#pragma once
// KZTBSelector: a small list inside a tool bar. Its selected row shows the
// highlight colours; other rows keep the bar's own colours. Owned by its bar.

#include "shell/toolkit/lists/KZSelector.h"

class KZTBSelector : public KZSelector
{
public:
    // Pixels.
    KZTBSelector(int width, int height);

    ZafRegionStruct SetRegion(const ZafRegionStruct &region) override { return ZafWindow::SetRegion(region); }
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;
};
