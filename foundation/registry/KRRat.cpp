// KRRat: "numerator/denominator".
#include "foundation/registry/KRRat.h"

#include "foundation/errors/KX.h"
#include "foundation/registry/KRValueText.h"

bool KRRat::ParseValue(const KString &text)
{
    KString copy(text);
    copy.SetCursor(0);
    int32_t numerator = 0, denominator = 1;
    if (!copy.ParseInt(numerator))
        return false;
    copy.SkipWhiteSpace();
    if (copy.Peek() == L'/') {
        copy.NextChar();
        if (!copy.ParseInt(denominator))
            return false;
    }
    if (!KRValueText::RestIsBlank(copy))
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
