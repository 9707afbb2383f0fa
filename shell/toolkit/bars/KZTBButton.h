#pragma once
// KZTBButton: a tool-bar push button showing a bitmap or a text that sends a
// command value when chosen. Its size stays as made (no automatic sizing),
// it never takes the focus, and a release on it also asks the window that
// holds the bar to take the focus when the bar's flag 0x1 is set. Owned by
// its bar; GUI thread only.

#include <cstdint>

#include "shell/toolkit/fields/KZButton.h"

class KZTBButton : public KZButton
{
public:
    // (bitmap width + extra width + 6) x (bitmap height + extra height + 6) pixels.
    KZTBButton(int32_t value, ZafBitmapData *bitmap, int extraWidth, int extraHeight);
    // (width x the display's cell width) x (line height of font 1 + 6) pixels.
    KZTBButton(int32_t value, const wchar_t *text, int widthInCells);

    ZafEventType Event(const ZafEventStruct &event) override;

private:
    void Configure();
};
