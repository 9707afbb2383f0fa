// KRRat: "numerator/denominator".
#include "foundation/registry/KRRat.h"

#include "foundation/errors/KX.h"
#include "foundation/registry/KRValueText.h"

bool KRRat::ParseValue(const KString &text)
{
    int32_t numerator = 0, denominator = 1;
    if (!KRValueText::ParseIntPair(text, L"/", true, numerator, denominator))
        return false;
    try {
        itsValue = KRational(numerator, denominator);
    } catch (const KX &) {
        return false;
    }
    return true;
}

void KRRat::WriteValue(KString &out) const
{
    out.AppendInt(itsValue.Numerator());
    out.AppendChar(L'/');
    out.AppendInt(itsValue.Denominator());
}
