#include "shell/toolkit/bars/KZTBSelector.h"

KZTBSelector::KZTBSelector(int width, int height) : KZSelector(0, 0, width, height) {}

// Unselected rows leave their colours unset, so that the framework's panel
// colours of the bar show.
void KZTBSelector::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    ResolveListColors(palette, type, state, -1);
}
