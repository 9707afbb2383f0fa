#pragma once
// VZRemoteButton: a 26 by 26 bitmap button of the remote pad. It reports
// press, hold (each drag while held) and release to its pad, which sends the
// camera commands. Owned by its pad; GUI thread.

#include <cstdint>

#include "shell/toolkit/fields/KZButton.h"

class VZRemotePane;

class VZRemoteButton : public KZButton
{
public:
    static constexpr int kSize = 26;

    VZRemoteButton(VZRemotePane *pane, int left, int top, ZafBitmapData *bitmap, int32_t code, wchar_t command);

    ZafEventType Event(const ZafEventStruct &event) override;

    int32_t Code() const { return code; }
    wchar_t Command() const { return command; }

private:
    VZRemotePane *pane;
    int32_t code;
    wchar_t command;
};
