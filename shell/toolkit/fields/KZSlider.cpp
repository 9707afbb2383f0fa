#include "shell/toolkit/fields/KZSlider.h"

#include <windows.h>

KZSlider::KZSlider(int left, int top, int width, int height, int minimum, int maximum, int current, int smallStep,
    int largeStep, int32_t code, ZafWindowObject *target)
    : ZafScrollBar(left, top, width, height, minimum, maximum, current, smallStep, largeStep, VERTICAL_BAR),
      KZWindowLeech(this), code(code), target(target)
{
    SetScrollType(HORIZONTAL_SLIDER);
}

ZafEventType KZSlider::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    if (MapEvent(mapped) != ZAF_EVENT_OS)
        return ZafScrollBar::Event(event);
    const ZafEventType answer = ZafScrollBar::Event(event);
    const UINT message = event.osEvent.message;
    if ((message == WM_HSCROLL || message == WM_VSCROLL) && code && target)
        target->Event(ZafEventStruct(code, 0));
    return answer;
}
