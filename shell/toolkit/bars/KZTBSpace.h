#pragma once
// KZTBSpace: a fixed empty gap between groups of tool-bar items. Owned by its bar.

#include "shell/toolkit/window/KZWindow.h"

class KZTBSpace : public KZWindow
{
public:
    // A square of size pixels that never takes the focus.
    explicit KZTBSpace(int size);
};
