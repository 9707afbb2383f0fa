#pragma once
// KRBool: an on/off setting, stored and written as 1 or 0. It reads any
// integer (not 0 = on) and the words true/false, yes/no, on/off in any case.
// GUI thread only.

#include "foundation/registry/KRNode.h"

class KRBool : public KRNode
{
public:
    KRBool() = default;

    const wchar_t *TypeName() const override { return L"Bool"; }
    KRNode *NewNode() const override { return new KRBool; }
    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;

    bool Value() const { return itsValue != 0; }
    // Stores 1 for true, 0 for false.
    void SetValue(bool value) { itsValue = value ? 1 : 0; }

private:
    int itsValue = 0;
};
