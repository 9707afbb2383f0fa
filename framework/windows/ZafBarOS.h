#pragma once
// What the status bar and the tool bar do alike on Windows: a plain child
// window of their own, a click on a bar brings its top window to the front,
// and their background's system colour is the button face. GUI thread only.

#include "framework/core/objects/ZafWindow.h"

// Creates the bar's OS window, shown when visible; answers it (null when
// creation failed).
ZafOSWindow ZafCreateBarWindow(ZafWindow &bar, bool visible);
// The bar's OS messages: painting and clicks as a window object, the rest as
// a window.
ZafEventType ZafBarOSEvent(ZafWindow &bar, const ZafEventStruct &event);
// Background colours left to the system become the button face; other
// palettes resolve as a window's.
void ZafResolveBarColors(ZafWindow &bar, ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state);
