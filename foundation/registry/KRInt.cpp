// KRInt: parsing, limits and the change handler.
#include "foundation/registry/KRInt.h"

#include "foundation/registry/KRValueText.h"

bool KRInt::ParseValue(const KString &text)
{
    int32_t value = 0;
    return KRValueText::ParseWholeInt(text, value) && SetValue(value);
}

void KRInt::WriteValue(KString &out) const { out.AppendInt(itsValue); }

bool KRInt::ParseAttribute(const KString &attribute)
{
    if (attribute.IsEmpty())
        return true;
    int32_t minimum = 0, maximum = 0;
    if (!KRValueText::ParseIntPair(attribute, L"..", false, minimum, maximum))
        return false;
    SetLimits(minimum, maximum);
    return true;
}

void KRInt::WriteAttribute(KString &out) const
{
    if (!itsHasLimits)
        return;
    out.AppendInt(itsMinimum);
    out.Append(L"..");
    out.AppendInt(itsMaximum);
}

int32_t KRInt::Clamp(int32_t value) const
{
    if (!itsHasLimits)
        return value;
    return value < itsMinimum ? itsMinimum : value > itsMaximum ? itsMaximum : value;
}

bool KRInt::SetValue(int32_t value) { return itsHandler(*this, Clamp(value), itsContext); }

void KRInt::SetLimits(int32_t minimum, int32_t maximum)
{
    itsHasLimits = true;
    itsMinimum = minimum < maximum ? minimum : maximum;
    itsMaximum = minimum < maximum ? maximum : minimum;
    itsValue = Clamp(itsValue);
}

void KRInt::SetChangeHandler(KRIntChangeHandler handler, void *context)
{
    itsHandler = handler ? handler : DefaultChangeHandler;
    itsContext = context;
}

bool KRInt::DefaultChangeHandler(KRInt &node, int32_t value, void *)
{
    node.itsValue = node.Clamp(value);
    return true;
}
