#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

void ZafIntegerData::RegisterConversions()
{
    zafNumberDataAccess.integerValue = EngineValue<long long>;
    zafNumberDataAccess.setIntegerValue = SetEngineValue<long long>;
}

const wchar_t *ZafIntegerData::DefaultFormat()
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? locale->IntegerFormat() : L"%d";
}
