#pragma once
// ZafNumberValueData: what ZafIntegerData and ZafRealData share: one
// observable number that formats and parses itself, where a null format
// means the locale's default for that kind of number (Derived::DefaultFormat).
// The class identity comes from Derived::dataClassID and dataClassName.
// Every change notifies the observers once; each constructor installs the
// engines' access to the kind (Derived::RegisterConversions). It adds no
// virtual functions of its own. Ownership and thread as ZafData.

#include "framework/core/text/ZafFormatData.h"
#include "framework/core/text/ZafStrings.h"

class ZafLocaleData;

// The DefaultFormat of a kind of number: the format of the locale in force
// (made first when there is none yet), or fallback when no locale can be made.
const wchar_t *ZafLocaleNumberFormat(const wchar_t *(ZafLocaleData::*format)() const, const wchar_t *fallback);

template <class Derived, class Number>
class ZafNumberValueData : public ZafFormatData
{
public:
    ZAF_CLASS_IDENTITY(ZafFormatData, Derived::dataClassID, Derived::dataClassName)

    Number Value() const { return value; }
    // Format null selects the locale's default format.
    int FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const override
    {
        return ZafFormatData::FormattedText(buffer, maximum, format ? format : Derived::DefaultFormat());
    }
    // Scans text through the format list (null: the locale's default);
    // answers 0, or ZAF_ERROR_INVALID_TEXT when no line matched (the value
    // is then unchanged).
    int SetFormattedText(const wchar_t *text, const wchar_t *format) override
    {
        BeginUpdate();
        const int assigned = ZafFormatData::SetFormattedText(text, format ? format : Derived::DefaultFormat());
        EndUpdate(true);
        return assigned > 0 ? 0 : ZAF_ERROR_INVALID_TEXT;
    }
    // Each answers the value in force and notifies the observers once.
    Number SetValue(Number newValue)
    {
        BeginUpdate();
        value = newValue;
        EndUpdate(true);
        return value;
    }
    Number SetValue(const Derived &other) { return SetValue(other.Value()); }
    Number Add(Number amount) { return SetValue(value + amount); }
    Number Subtract(Number amount) { return SetValue(value - amount); }

protected:
    // Both install the engines' access to values of this kind
    // (Derived::RegisterConversions).
    explicit ZafNumberValueData(Number initial) : value(initial) { Derived::RegisterConversions(); }
    ZafNumberValueData(const ZafNumberValueData &copy) : ZafFormatData(copy), value(copy.value)
    {
        Derived::RegisterConversions();
    }

    // The engines' access to the value of a data object of this kind, handed
    // over as a ZafFormatData pointer; Wide is the engines' number type.
    template <class Wide>
    static Wide EngineValue(const void *data)
    {
        return static_cast<const Derived *>(static_cast<const ZafFormatData *>(data))->Value();
    }
    template <class Wide>
    static void SetEngineValue(void *data, Wide newValue)
    {
        static_cast<Derived *>(static_cast<ZafFormatData *>(data))->SetValue(Number(newValue));
    }

    Number value;
};

template <class D, class N>
bool operator==(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() == b.Value(); }
template <class D, class N>
bool operator!=(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() != b.Value(); }
template <class D, class N>
bool operator<(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() < b.Value(); }
template <class D, class N>
bool operator<=(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() <= b.Value(); }
template <class D, class N>
bool operator>(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() > b.Value(); }
template <class D, class N>
bool operator>=(const ZafNumberValueData<D, N> &a, const ZafNumberValueData<D, N> &b) { return a.Value() >= b.Value(); }
