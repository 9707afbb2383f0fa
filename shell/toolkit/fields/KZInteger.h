#pragma once
// KZInteger: the toolkit's integer field, a framework integer field with the
// object leech and a range given as two numbers (the no-bound values
// INT32_MIN and INT32_MAX give none). Owned by its window; GUI thread only.

#include <cstdint>

#include "framework/controls/ZafNumberField.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class KZInteger : public ZafInteger, public KZWindowObjectLeech
{
public:
    KZInteger(int left, int top, int width, int32_t value, int32_t minimum, int32_t maximum);

    ZafEventType Event(const ZafEventStruct &event) override;
    // The integer the field's data object holds.
    int32_t Value();

    using ZafInteger::DrawBackground;
    using ZafInteger::DrawEdge;
};
