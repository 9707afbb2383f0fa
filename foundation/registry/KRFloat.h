#pragma once
// KRFloat: a real-number setting. It reads the C number forms with a point
// as decimal separator, whatever the locale, and refuses NaN and infinities;
// it writes the shortest text that reads back to the same value. GUI thread
// only.

#include "foundation/registry/KRTypedNode.h"

class KRFloat : public KRValueNode<KRFloat, double>
{
public:
    static constexpr const wchar_t *kTypeName = L"Float";

    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;
};
