#pragma once
// What the status bar and the tool bar draw alike on Windows: the width of
// their edge and which redraw codes paint their parts. Their OS window,
// messages and colours are ZafBar's own (framework/controls/ZafBar.h).

#include "framework/core/objects/ZafWindow.h"

// The width of a bar's edge in pixels.
constexpr int ZafBarEdgeWidth = 2;

// Whether a redraw code paints the bar's parts (a whole or area redraw).
inline bool ZafBarRedrawsParts(ZafEventType code)
{
    return code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA;
}
