#pragma once
// KZSlider: the toolkit's horizontal slider, a framework scroll bar with the
// window leech, that tells a window when the user moved it: after each
// scroll notification the target window receives an event of the slider's
// code. The target is not owned. Owned by its window; GUI thread only.

#include <cstdint>

#include "framework/controls/ZafScrollBar.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZSlider : public ZafScrollBar, public KZWindowLeech
{
public:
    // smallStep and largeStep are the line and page steps; code 0 or no
    // target: nobody is told.
    KZSlider(int left, int top, int width, int height, int minimum, int maximum, int current, int smallStep,
        int largeStep, int32_t code, ZafWindowObject *target);

    ZafEventType Event(const ZafEventStruct &event) override;

    int32_t Code() const { return code; }
    ZafWindowObject *Target() const { return target; }

    using ZafScrollBar::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafScrollBar::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafScrollBar::DrawEdge;
    using KZWindowLeech::DrawEdge;

private:
    int32_t code;
    ZafWindowObject *target;
};
