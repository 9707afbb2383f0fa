#pragma once
// KZStatusBar: the bottom bar of the main window, a framework status bar with
// the window leech, holding a message pane and a percentage pane. Long
// operations write a message and a percentage into it and clear it at the
// end; with a display time-out the bar also clears itself on the first idle
// tick (kEvtIdle) that comes more than the time-out after its last change. The
// program's status bar derives from it, creates and places the panes (see
// SetPanes) and shows the fly-over texts. The bar owns its panes as
// children; its window owns the bar. GUI thread only.

#include <cstdint>

#include "framework/controls/ZafStatusBar.h"
#include "shell/toolkit/window/KZStatusLine.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZProgressBar;
class KZStatusString;

class KZStatusBar : public ZafStatusBar, public KZWindowLeech, public KZStatusLine
{
public:
    // height in pixels; timeout in milliseconds, 0 or less never clears by time.
    KZStatusBar(int height, int32_t timeout);
    ~KZStatusBar() override;

    // Empty message, no percentage, nothing left to clear by time.
    void Clear() override;
    // Shows text; a change renews the time of the last change.
    virtual void SetMessage(const wchar_t *text);
    // The fly-over help of a command: nothing here.
    void SetFlyOver(int32_t command) override;
    // Shows percent (clamped to -1..100; -1 none); a change renews the time.
    virtual void SetProgress(int percent);

    // The idle tick is handled here and not passed on; everything else goes
    // to the framework status bar.
    ZafEventType Event(const ZafEventStruct &event) override;
    // KZStatusLine: the event handler's answer to the idle tick.
    ZafEventType OnIdle(const ZafEventStruct &event) override { return Event(event); }

    KZStatusString *MessagePane() const { return messagePane; }
    KZProgressBar *ProgressPane() const { return progressPane; }
    int32_t Timeout() const { return timeout; }

    using ZafStatusBar::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafStatusBar::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafStatusBar::DrawEdge;
    using KZWindowLeech::DrawEdge;

protected:
    // Adds the panes as children of the bar (either may be null); the
    // derived bar places them.
    void SetPanes(KZStatusString *message, KZProgressBar *progress);
    // The tick count in milliseconds (KTickCount).
    virtual int32_t Now() const;

private:
    void Changed();
    void IdleTick();

    KZStatusString *messagePane = nullptr;
    KZProgressBar *progressPane = nullptr;
    int32_t lastChange = 0;
    // Separate from the time: a change may well happen at tick 0.
    bool clearPending = false;
    int32_t timeout;
};
