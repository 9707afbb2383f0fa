#pragma once
// KRRat: a rational setting (type name "Rat") holding a KRational, written
// "numerator/denominator" in lowest terms; a whole number reads as n/1 and a
// zero denominator is refused. GUI thread only.

#include "foundation/registry/KRTypedNode.h"
#include "foundation/values/KRational.h"

class KRRat : public KRValueNode<KRRat, KRational>
{
public:
    static constexpr const wchar_t *kTypeName = L"Rat";

    bool ParseValue(const KString &text) override;
    void WriteValue(KString &out) const override;
};
