#include "shell/toolkit/fields/KZReal.h"

#include "shell/toolkit/fields/KZNumberRange.h"

KZReal::KZReal(int left, int top, int width, double value, double minimum, double maximum)
    : ZafReal(left, top, width, value), KZWindowObjectLeech(this)
{
    KZApplyRange(*this, minimum, maximum, &KZRealRange);
}

ZafEventType KZReal::Event(const ZafEventStruct &event)
{
    return KZLeechThenBase<ZafReal>(*this, event);
}
