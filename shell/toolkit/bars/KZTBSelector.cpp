#include "shell/toolkit/bars/KZTBSelector.h"

#include <windows.h>

#include "shell/toolkit/lists/KZListCodes.h"

KZTBSelector::KZTBSelector(int width, int height) : KZSelector(0, 0, width, height) {}

// Unselected rows leave their colours unset, so that the framework's panel
// colours of the bar show.
void KZTBSelector::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    const bool selected = (state & kStateSelected) != 0;
    const bool greyed = (state & kStateGreyed) != 0;
    if (type & (kPaletteText | kPaletteFaceText))
        UseSystemColors(palette,
            greyed ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
            selected ? COLOR_HIGHLIGHT : -1);
    else if ((type & kPaletteBackground) && selected)
        UseSystemColors(palette, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    ResolveFrameworkColors(palette, type, state);
}
