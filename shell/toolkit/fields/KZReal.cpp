#include "shell/toolkit/fields/KZReal.h"

#include "shell/toolkit/fields/KZNumberRange.h"

KZReal::KZReal(int left, int top, int width, double value, double minimum, double maximum)
    : ZafReal(left, top, width, value), KZWindowObjectLeech(this)
{
    KString range;
    if (KZRealRange(minimum, maximum, range))
        SetRange(range.CStr());
}

ZafEventType KZReal::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowObjectLeech::Event(event))
        return answer;
    return ZafReal::Event(event);
}
