#ifndef ZAF_FIELD_TEST_SUPPORT_H
#define ZAF_FIELD_TEST_SUPPORT_H

// Helpers of the control tests: the event-test fixture with the screen
// display installed, a shown top-level window to put controls in, and the
// text of an OS window.
#include "../events/ZafEventTestSupport.h"

#include <string>

#include "framework/windows/ZafScreenDisplay.h"

class FieldTest : public EventTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A top-level window (pixels, client width x height, with a border and
    // a title part) holding the given objects, added to the window manager.
    ZafWindow *ShowWindow(std::initializer_list<ZafWindowObject *> objects, int width = 300, int height = 160);

    std::unique_ptr<ZafScreenDisplay> display;
};

// GetWindowTextW of a window.
std::wstring ControlText(ZafOSWindow window);
// The style (or extended style) of a window.
LONG WindowStyle(ZafOSWindow window, int index = GWL_STYLE);
// Puts a text on the clipboard as CF_UNICODETEXT; true when it is there.
bool PutOnClipboard(HWND owner, const wchar_t *text);

#endif
