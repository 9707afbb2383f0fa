#pragma once
// Pictures of the image windows' and hardware windows' named bitmaps (tool
// bars of the image window and of the main window, the remote pad).

#include <string>

class ZafImageCanvas;

// Draws the picture of name on the 16 x 16 canvas; false for a name it does
// not know (the canvas is left as it was).
bool ZafDrawImagingBitmap(const std::wstring &name, ZafImageCanvas &canvas);
