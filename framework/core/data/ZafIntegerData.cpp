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

} // namespace

void ZafIntegerData::RegisterConversions()
{
    zafNumberDataAccess.integerValue = IntegerValue;
    zafNumberDataAccess.setIntegerValue = SetIntegerValue;
}

ZafIntegerData::ZafIntegerData(int value) : ZafNumberValueData(value)
{
    RegisterConversions();
}

ZafIntegerData::ZafIntegerData(const ZafIntegerData &copy) : ZafNumberValueData(copy)
{
    RegisterConversions();
}

const wchar_t *ZafIntegerData::DefaultFormat()
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? locale->IntegerFormat() : L"%d";
}
