#pragma once
// ZafScrollData: the observable values of a scroll bar or slider: current
// position, range, page size and line step. The current value always lies
// within [minimum, maximum] (at minimum when the range is empty). Observers
// hear of a change once, and only when a value actually changed. Ownership
// and thread as ZafData.

#include "framework/core/data/ZafData.h"

class ZafObjectPersistence;

class ZafScrollData : public ZafData
{
public:
    ZafScrollData(int minimum = 0, int maximum = 0, int current = 0, int lineStep = 1, int pageSize = 0);
    ZafScrollData(const ZafScrollData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafScrollData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_SCROLL_DATA, L"ZafScrollData")

    int Minimum() const { return minimum; }
    int Maximum() const { return maximum; }
    int Current() const { return current; }
    int LineStep() const { return lineStep; }
    int PageSize() const { return pageSize; }

    // Stores the five values (current clamped) and notifies the observers
    // with code 2 when any of them changed. Answers the current value.
    int SetValues(int newMinimum, int newMaximum, int newCurrent, int newLineStep, int newPageSize);
    // The current value alone, clamped into the range.
    int SetCurrent(int newCurrent) { return SetValues(minimum, maximum, newCurrent, lineStep, pageSize); }
    // The current value alone, clamped, without telling the observers: for
    // the view that made the change and shows it itself.
    int StoreCurrent(int newCurrent) { return current = Clamp(newCurrent, minimum, maximum); }

private:
    static int Clamp(int value, int low, int high);

    int minimum;
    int maximum;
    int current;
    int lineStep;
    int pageSize;
};
