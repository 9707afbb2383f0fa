#ifndef ZAF_LAYOUT_TEST_SUPPORT_H
#define ZAF_LAYOUT_TEST_SUPPORT_H

// Helpers of the layout tests (geometry manager, tool and status bars): a
// pixel-coordinate child, the place of an OS window inside its parent, and
// resizing a frame.
#include <windows.h>

#include "ZafControlTestSupport.h"

// A pixel-coordinate window object of the given place and size.
ZafWindowObject *NewPixelChild(int left, int top, int width, int height);
// The rectangle of a window in the client coordinates of its parent
// (right and bottom exclusive, as Windows gives them).
RECT RectInParent(ZafOSWindow window);
// Resizes a top-level frame by the given amounts.
void ResizeFrame(ZafOSWindow frame, int growX, int growY);

#endif
