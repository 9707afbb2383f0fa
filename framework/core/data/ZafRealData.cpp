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

} // namespace

void ZafRealData::RegisterConversions()
{
    zafNumberDataAccess.realValue = RealValue;
    zafNumberDataAccess.setRealValue = SetRealValue;
}

ZafRealData::ZafRealData(double value) : ZafNumberValueData(value)
{
    RegisterConversions();
}

ZafRealData::ZafRealData(const ZafRealData &copy) : ZafNumberValueData(copy)
{
    RegisterConversions();
}

const wchar_t *ZafRealData::DefaultFormat()
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? locale->RealFormat() : L"%g";
}
