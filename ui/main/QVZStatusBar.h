#pragma once
// QVZStatusBar: the status bar at the foot of the main window, a message
// pane and a 102-pixel percentage pane, that also shows the fly-over text of
// the tool-bar button under the pointer: a one-line description of its
// command, looked up in the "\Strings\" texts when shown (an unknown command
// empties the message pane). It never clears itself by time. Made once by
// the main window, which owns it; GUI thread only.

#include <cstdint>

#include "shell/toolkit/bars/KZStatusBar.h"

class QVZStatusBar : public KZStatusBar
{
public:
    static constexpr int kProgressWidth = 102;   // pixels

    QVZStatusBar();
    ~QVZStatusBar() override;

    void SetMessage(const wchar_t *text) override;
    // Shows the fly-over text of command.
    virtual void ShowFlyOver(int32_t command);
    // The toolkit's button hook: ShowFlyOver.
    void SetFlyOver(int32_t command) override;

    // The settings key of command's fly-over text; null when it has none.
    static const wchar_t *FlyOverKey(int32_t command);
};
