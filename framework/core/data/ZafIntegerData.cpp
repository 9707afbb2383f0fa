#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

void ZafIntegerData::RegisterConversions()
{
    zafNumberDataAccess.integerValue = EngineValue<long long>;
    zafNumberDataAccess.setIntegerValue = SetEngineValue<long long>;
}

const wchar_t *ZafIntegerData::DefaultFormat()
{
    return ZafLocaleNumberFormat(&ZafLocaleData::IntegerFormat, L"%d");
}
