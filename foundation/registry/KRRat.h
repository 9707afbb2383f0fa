#pragma once
// KRRat: a rational setting (type name "Rat") holding a KRational, written
// "numerator/denominator" in lowest terms; a whole number reads as n/1 and a
// zero denominator is refused. GUI thread only.

#include "foundation/registry/KRNode.h"
#include "foundation/values/KRational.h"

class KRRat : public KRNode
{
public:
    KRRat() = default;

    const wchar_t *TypeName() const override { return L"Rat"; }
    KRNode *NewNode() const override { return new KRRat; }
    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;

    const KRational &Value() const { return itsValue; }
    void SetValue(const KRational &value) { itsValue = value; }

private:
    KRational itsValue;
};
