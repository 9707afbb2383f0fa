#pragma once
// KZButton: the toolkit's button, a framework button with the object leech.
// Modes: 0 push button, 1 radio button, 2 check box (the label right of the
// box; a click or Space flips a check box and turns a radio button on). A nonzero value is sent as an event when the button is chosen. While
// the mouse pointer is over it, the program's status bar shows the fly-over
// help of its value; leaving clears the bar. Owned by its window; GUI thread.

#include <cstdint>

#include "framework/controls/ZafButton.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class ZafBitmapData;

class KZButton : public ZafButton, public KZWindowObjectLeech
{
public:
    static constexpr int kPush = 0;
    static constexpr int kRadio = 1;
    static constexpr int kCheckBox = 2;

    KZButton(int left, int top, int width, int height, const wchar_t *text, ZafBitmapData *bitmap, int mode,
        int32_t value);
    // A push button that shows a bitmap.
    KZButton(int left, int top, int width, int height, ZafBitmapData *bitmap, int32_t value);

    ZafEventType Event(const ZafEventStruct &event) override;
    // Takes the bitmap only when it differs from the current one.
    ZafError SetBitmap(ZafBitmapData *bitmap) override;

    using ZafButton::Redisplay;
    using KZWindowObjectLeech::Redisplay;
    using ZafButton::DrawBackground;
    using ZafButton::DrawEdge;

private:
    void Configure(int mode, int32_t value);
};
