#pragma once
// KZText: the toolkit's multi-line text field, a framework text field with the
// window leech. Owned by the window it is added to; GUI thread only.

#include "framework/controls/ZafText.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZText : public ZafText, public KZWindowLeech
{
public:
    KZText(int left, int top, int width, int height, const wchar_t *text);

    ZafEventType Event(const ZafEventStruct &event) override;
};
