#pragma once
// KZTBString: a one-line text field inside a tool bar. Owned by its bar.

#include "shell/toolkit/fields/KZString.h"

class KZTBString : public KZString
{
public:
    // At (0, 0) over the given string data.
    KZTBString(ZafStringData *text, int width);
};
