#pragma once
// KZTBComboBox: a combo box inside a tool bar. Owned by its bar.

#include "shell/toolkit/fields/KZComboBox.h"

class KZTBComboBox : public KZComboBox
{
public:
    // At (0, 0); editable as for KZComboBox.
    KZTBComboBox(int width, int height, bool editable);
};
