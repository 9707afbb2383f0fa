// The separators and grouping that the "," and "$" flags of the formatted
// text engines use: those of the shared locale record.

#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafFormatTables.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

#include <cstring>

void ZafGetNumberConventions(ZafNumberConventions &conventions, bool monetary)
{
    ZafLocaleData *locale = ZafLocaleData::Locale();
    if (!locale)
    {
        ZafI18nStartUp(0);
        locale = ZafLocaleData::Locale();
    }
    ZafStrLCpy(conventions.decimal, monetary ? locale->monDecimalSeparator : locale->decimalSeparator, 8);
    ZafStrLCpy(conventions.thousands, monetary ? locale->monThousandsSeparator : locale->thousandsSeparator, 8);
    static_assert(sizeof conventions.grouping == sizeof locale->grouping, "grouping lists differ in size");
    std::memcpy(conventions.grouping, monetary ? locale->monGrouping : locale->grouping, sizeof conventions.grouping);
    conventions.grouping[sizeof conventions.grouping - 1] = 0;
    ZafStrLCpy(conventions.symbol, locale->currencySymbol, 8);
    ZafStrLCpy(conventions.positiveSign, locale->positiveSign, 4);
    ZafStrLCpy(conventions.negativeSign, locale->negativeSign, 4);
    conventions.digits = locale->currencyDigits >= 0 && locale->currencyDigits <= 20 ? locale->currencyDigits : 2;
    conventions.positivePrecedes = locale->posCurrencyPrecedes;
    conventions.positiveSpace = locale->posSpaceSeparation;
    conventions.negativePrecedes = locale->negCurrencyPrecedes;
    conventions.negativeSpace = locale->negSpaceSeparation;
    conventions.negativeSignPosition = locale->negSignPosition;
}

bool ZafFormatIsSpace(wchar_t c)
{
    return ZafIsSpace(c);
}
