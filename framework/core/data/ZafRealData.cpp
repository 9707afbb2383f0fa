#include "framework/core/data/ZafRealData.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

namespace {

long double RealValue(const void *data)
{
    return static_cast<const ZafRealData *>(static_cast<const ZafFormatData *>(data))->Value();
}

void SetRealValue(void *data, long double value)
{
    static_cast<ZafRealData *>(static_cast<ZafFormatData *>(data))->SetValue(double(value));
}

const wchar_t *DefaultFormat()
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? locale->RealFormat() : L"%g";
}

} // namespace

void ZafRealData::RegisterConversions()
{
    zafNumberDataAccess.realValue = RealValue;
    zafNumberDataAccess.setRealValue = SetRealValue;
}

ZafRealData::ZafRealData(double value) : value(value)
{
    RegisterConversions();
}

ZafRealData::ZafRealData(const ZafRealData &copy) : ZafFormatData(copy), value(copy.value)
{
    RegisterConversions();
}

bool ZafRealData::IsAClassID(ZafClassID id) const
{
    return id == ZAF_ID_REAL_DATA || ZafFormatData::IsAClassID(id);
}

bool ZafRealData::IsAClassName(ZafClassName name) const
{
    return (name && ZafStrCmp(name, L"ZafRealData") == 0) || ZafFormatData::IsAClassName(name);
}

int ZafRealData::FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const
{
    return ZafFormatData::FormattedText(buffer, maximum, format ? format : DefaultFormat());
}

int ZafRealData::SetFormattedText(const wchar_t *text, const wchar_t *format)
{
    BeginUpdate();
    int assigned = ZafFormatData::SetFormattedText(text, format ? format : DefaultFormat());
    EndUpdate(true);
    return assigned > 0 ? 0 : ZAF_ERROR_INVALID_TEXT;
}

double ZafRealData::SetValue(double newValue)
{
    BeginUpdate();
    value = newValue;
    EndUpdate(true);
    return value;
}

double ZafRealData::Add(double amount)
{
    return SetValue(value + amount);
}

double ZafRealData::Subtract(double amount)
{
    return SetValue(value - amount);
}
