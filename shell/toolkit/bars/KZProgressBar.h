#pragma once
// KZProgressBar: the percentage pane of the status bar, a pixel-coordinate
// window that shows a value of 0..100 as a bar of 100 pixels, one per
// percent, with the value and "%" centred over it; -1 shows an empty bar
// without text. Owned by the bar.

#include "shell/toolkit/bars/KZStatusPane.h"

class KZProgressBar : public KZStatusPane
{
public:
    static constexpr int kNoValue = -1;
    static constexpr int kBarWidth = 100;       // pixels
    static constexpr int kFillColor = 10;       // framework colour of the filled part

    KZProgressBar();

    // value is clamped to -1..100; false when that is the stored value,
    // else stores it, marks the pane for repainting and answers true.
    bool SetValue(int value);
    int Value() const { return value; }

    using KZWindow::Redisplay;
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;

private:
    int value = kNoValue;
};
