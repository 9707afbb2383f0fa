#include "shell/toolkit/fields/KZPrompt.h"

KZPrompt::KZPrompt(int left, int top, int width, const wchar_t *text)
    : ZafPrompt(left, top, width, text), KZWindowObjectLeech(this)
{
}

KZPrompt::KZPrompt(int left, int top, const wchar_t *text) : ZafPrompt(left, top, 0, text), KZWindowObjectLeech(this)
{
}

KZPrompt::KZPrompt(int left, int top, int width, ZafStringData *text)
    : ZafPrompt(left, top, width, text), KZWindowObjectLeech(this)
{
}

ZafEventType KZPrompt::Event(const ZafEventStruct &event)
{
    return KZLeechThenBase<ZafPrompt>(*this, event);
}
