#pragma once
// KZPrompt: the toolkit's static label, a framework prompt with the object
// leech. Owned by the window it is added to; GUI thread only.

#include "framework/controls/ZafPrompt.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class ZafStringData;

class KZPrompt : public ZafPrompt, public KZWindowObjectLeech
{
public:
    KZPrompt(int left, int top, int width, const wchar_t *text);
    // The width measured by the framework from the text.
    KZPrompt(int left, int top, const wchar_t *text);
    KZPrompt(int left, int top, int width, ZafStringData *text);

    ZafEventType Event(const ZafEventStruct &event) override;
    using ZafPrompt::DrawBackground;
    using ZafPrompt::DrawEdge;
};
