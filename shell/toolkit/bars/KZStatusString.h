#pragma once
// KZStatusString: the message pane of the status bar, a pixel-coordinate
// window (without an OS window of its own inside the bar) that shows one
// line of text, shortened at its end when too wide. Owned by the bar.

#include "foundation/strings/KString.h"
#include "shell/toolkit/bars/KZStatusPane.h"

class KZStatusString : public KZStatusPane
{
public:
    KZStatusString();

    // False when text equals the shown text; otherwise stores it, marks the
    // pane for repainting and answers true.
    bool SetText(const KString &text);
    using KZWindow::SetText;
    const KString &ShownText() const { return text; }

    using KZWindow::Redisplay;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;

private:
    KString text;
};
