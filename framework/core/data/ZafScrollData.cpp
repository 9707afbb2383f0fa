#include "framework/core/data/ZafScrollData.h"
#include "framework/core/text/ZafStrings.h"

int ZafScrollData::Clamp(int value, int low, int high)
{
    if (value > high)
        value = high;
    if (value < low)
        value = low;
    return value;
}

ZafScrollData::ZafScrollData(int minimum, int maximum, int current, int lineStep, int pageSize) :
    ZafData(true), minimum(minimum), maximum(maximum), current(Clamp(current, minimum, maximum)),
    lineStep(lineStep), pageSize(pageSize)
{
}

ZafScrollData::ZafScrollData(const ZafScrollData &copy) :
    ZafData(copy), minimum(copy.minimum), maximum(copy.maximum),
    current(Clamp(copy.current, copy.minimum, copy.maximum)), lineStep(copy.lineStep), pageSize(copy.pageSize)
{
}

int ZafScrollData::SetValues(int newMinimum, int newMaximum, int newCurrent, int newLineStep, int newPageSize)
{
    newCurrent = Clamp(newCurrent, newMinimum, newMaximum);
    if (newMinimum == minimum && newMaximum == maximum && newCurrent == current && newLineStep == lineStep
        && newPageSize == pageSize)
        return current;
    BeginUpdate();
    minimum = newMinimum;
    maximum = newMaximum;
    current = newCurrent;
    lineStep = newLineStep;
    pageSize = newPageSize;
    EndUpdate(true);
    return current;
}
