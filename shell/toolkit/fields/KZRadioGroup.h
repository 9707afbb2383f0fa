#pragma once
// KZRadioGroup: a toolkit window that holds radio buttons and allows one of
// them to be selected. Owns its buttons; owned by its window; GUI thread.

#include "shell/toolkit/window/KZWindow.h"

class KZRadioGroup : public KZWindow
{
public:
    KZRadioGroup(int left, int top, int width, int height);

    // The index of the first selected child, -1 when none is.
    int Selection() const;
    // Selects the child at index (the others are cleared); nothing outside
    // the children or when it is selected already.
    void SetSelection(int index);
};
