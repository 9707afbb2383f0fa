#pragma once
// What the status bar and the tool bar do alike on Windows: a plain child
// window of their own, a click on a bar brings its top window to the front,
// and their background's system colour is the button face. GUI thread only.
// ZAF_BAR_WINDOWS_HALF defines the members a bar class has alike.

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

// The width of a bar's edge in pixels.
constexpr int ZafBarEdgeWidth = 2;

// Whether a redraw code paints the bar's parts (a whole or area redraw).
inline bool ZafBarRedrawsParts(ZafEventType code)
{
    return code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA;
}

// The Windows-half members every bar class defines the same way: its own
// plain child window, positioned as a window object, the bars' messages and
// colours.
#define ZAF_BAR_WINDOWS_HALF(Bar)                                                             \
    void Bar::OSRegisterObject() { osWindow = ZafCreateBarWindow(*this, visible); }           \
    ZafOSWindow Bar::OSHandle(int) const { return osWindow; }                                 \
    void Bar::ApplyPosition() { ZafWindowObject::ApplyPosition(); }                           \
    ZafEventType Bar::OSEvent(const ZafEventStruct &event) { return ZafBarOSEvent(*this, event); } \
    void Bar::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) \
    {                                                                                         \
        ZafResolveBarColors(*this, palette, type, state);                                     \
    }
