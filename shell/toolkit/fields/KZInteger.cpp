#include "shell/toolkit/fields/KZInteger.h"

#include "framework/core/data/ZafIntegerData.h"
#include "shell/toolkit/fields/KZNumberRange.h"

KZInteger::KZInteger(int left, int top, int width, int32_t value, int32_t minimum, int32_t maximum)
    : ZafInteger(left, top, width, value), KZWindowObjectLeech(this)
{
    KString range;
    if (KZIntegerRange(minimum, maximum, range))
        SetRange(range.CStr());
}

ZafEventType KZInteger::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowObjectLeech::Event(event))
        return answer;
    return ZafInteger::Event(event);
}

int32_t KZInteger::Value()
{
    return ValueData() ? int32_t(ValueData()->Value()) : 0;
}
