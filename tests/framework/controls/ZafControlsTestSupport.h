#ifndef ZAF_CONTROLS_TEST_SUPPORT_H
#define ZAF_CONTROLS_TEST_SUPPORT_H

// Helpers of the control tests: the event-test fixture with the screen
// display installed, and the place of an OS window inside its parent.
#include <windows.h>

#include <memory>

#include "../events/ZafEventTestSupport.h"
#include "framework/windows/ZafScreenDisplay.h"

class ControlsTest : public EventTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A pixel-coordinate child of the given size.
    static ZafWindowObject *NewChild(int left, int top, int width, int height);

    std::unique_ptr<ZafScreenDisplay> display;
};

// The rectangle of a window in the client coordinates of its parent
// (right and bottom exclusive, as Windows gives them).
RECT RectInParent(ZafOSWindow window);
// Resizes a top-level frame by the given amounts and pumps.
void ResizeFrame(ZafOSWindow frame, int growX, int growY);

#endif
