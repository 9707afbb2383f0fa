#pragma once
// KRFloat: a real-number setting. It reads the C number forms with a point
// as decimal separator, whatever the locale, and refuses NaN and infinities;
// it writes the shortest text that reads back to the same value. GUI thread
// only.

#include "foundation/registry/KRNode.h"

class KRFloat : public KRNode
{
public:
    KRFloat() = default;

    const wchar_t *TypeName() const override { return L"Float"; }
    KRNode *NewNode() const override { return new KRFloat; }
    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;

    double Value() const { return itsValue; }
    void SetValue(double value) { itsValue = value; }

private:
    double itsValue = 0.0;
};
