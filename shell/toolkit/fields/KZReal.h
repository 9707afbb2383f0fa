#pragma once
// KZReal: the toolkit's real-number field, a framework real field with the
// object leech and a range given as two doubles (the smallest positive
// normal double and the largest double are the no-bound values, so a
// minimum of 0 gives a range). Owned by its window; GUI thread only.

#include "framework/controls/ZafNumberField.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class KZReal : public ZafReal, public KZWindowObjectLeech
{
public:
    KZReal(int left, int top, int width, double value, double minimum, double maximum);

    ZafEventType Event(const ZafEventStruct &event) override;

    using ZafReal::DrawBackground;
    using ZafReal::DrawEdge;
};
