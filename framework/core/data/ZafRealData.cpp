#include "framework/core/data/ZafRealData.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

void ZafRealData::RegisterConversions()
{
    zafNumberDataAccess.realValue = EngineValue<long double>;
    zafNumberDataAccess.setRealValue = SetEngineValue<long double>;
}

const wchar_t *ZafRealData::DefaultFormat()
{
    return ZafLocaleNumberFormat(&ZafLocaleData::RealFormat, L"%g");
}
