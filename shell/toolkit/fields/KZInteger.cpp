#include "shell/toolkit/fields/KZInteger.h"

#include "framework/core/data/ZafIntegerData.h"
#include "shell/toolkit/fields/KZNumberRange.h"

KZInteger::KZInteger(int left, int top, int width, int32_t value, int32_t minimum, int32_t maximum)
    : ZafInteger(left, top, width, value), KZWindowObjectLeech(this)
{
    KZApplyRange(*this, minimum, maximum, &KZIntegerRange);
}

ZafEventType KZInteger::Event(const ZafEventStruct &event)
{
    return KZLeechThenBase<ZafInteger>(*this, event);
}

int32_t KZInteger::Value()
{
    return ValueData() ? int32_t(ValueData()->Value()) : 0;
}
