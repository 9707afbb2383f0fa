#include "shell/toolkit/fields/KZText.h"

KZText::KZText(int left, int top, int width, int height, const wchar_t *text)
    : ZafText(left, top, width, height, text), KZWindowLeech(this)
{
}

ZafEventType KZText::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    return ZafText::Event(event);
}
