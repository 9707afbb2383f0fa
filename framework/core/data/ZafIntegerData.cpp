#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

namespace {

long long IntegerValue(const void *data)
{
    return static_cast<const ZafIntegerData *>(static_cast<const ZafFormatData *>(data))->Value();
}

void SetIntegerValue(void *data, long long value)
{
    static_cast<ZafIntegerData *>(static_cast<ZafFormatData *>(data))->SetValue(int(value));
}

const wchar_t *DefaultFormat()
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? locale->IntegerFormat() : L"%d";
}

} // namespace

void ZafIntegerData::RegisterConversions()
{
    zafNumberDataAccess.integerValue = IntegerValue;
    zafNumberDataAccess.setIntegerValue = SetIntegerValue;
}

ZafIntegerData::ZafIntegerData(int value) : value(value)
{
    RegisterConversions();
}

ZafIntegerData::ZafIntegerData(const ZafIntegerData &copy) : ZafFormatData(copy), value(copy.value)
{
    RegisterConversions();
}

bool ZafIntegerData::IsAClassID(ZafClassID id) const
{
    return id == ZAF_ID_INTEGER_DATA || ZafFormatData::IsAClassID(id);
}

bool ZafIntegerData::IsAClassName(ZafClassName name) const
{
    return (name && ZafStrCmp(name, L"ZafIntegerData") == 0) || ZafFormatData::IsAClassName(name);
}

int ZafIntegerData::FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const
{
    return ZafFormatData::FormattedText(buffer, maximum, format ? format : DefaultFormat());
}

int ZafIntegerData::SetFormattedText(const wchar_t *text, const wchar_t *format)
{
    BeginUpdate();
    int assigned = ZafFormatData::SetFormattedText(text, format ? format : DefaultFormat());
    EndUpdate(true);
    return assigned > 0 ? 0 : ZAF_ERROR_INVALID_TEXT;
}

int ZafIntegerData::SetValue(int newValue)
{
    BeginUpdate();
    value = newValue;
    EndUpdate(true);
    return value;
}

int ZafIntegerData::Add(int amount)
{
    return SetValue(value + amount);
}

int ZafIntegerData::Subtract(int amount)
{
    return SetValue(value - amount);
}
