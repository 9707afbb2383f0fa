// Fills the locale record from the "Intl" profile section that platforms
// without GetLocaleInfoW keep.

#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"

namespace {

// Reads a text key (up to size - 1 bytes) and converts it from the local code
// set into field (fieldSize characters); a missing key keeps the field.
bool ReadText(ZafLocaleProfile &profile, const char *key, wchar_t *field, int fieldSize, int size = 21)
{
    char local[65];
    if (size > 65)
        size = 65;
    if (!profile.String(key, local, size))
        return false;
    local[size - 1] = 0;
    wchar_t wide[130];
    ZafCodeSetData::Shared()->LocalToWide(local, wide, false, 130);
    ZafStrLCpy(field, wide, fieldSize);
    return true;
}

} // namespace

void ZafLocaleData::ReadProfile(ZafLocaleProfile &profile)
{
    if (ReadText(profile, "sDecimal", decimalSeparator, 4))
        ZafStrCpy(monDecimalSeparator, decimalSeparator);
    if (ReadText(profile, "sThousand", thousandsSeparator, 4))
        ZafStrCpy(monThousandsSeparator, thousandsSeparator);
    if (ReadText(profile, "sCurrency", currencySymbol, 8))
        ZafStrCpy(intCurrencySymbol, currencySymbol);
    ReadText(profile, "sDate", dateSeparator, 4);
    ReadText(profile, "sTime", timeSeparator, 4);
    ApplyCurrencyCode(profile.Int("iCurrency", -1));
    ApplyNegativeCurrencyCode(profile.Int("iNegCurr", -1));
    currencyDigits = intCurrencyDigits = profile.Int("iCurrDigits", currencyDigits);
    wchar_t picture[65];
    bool hour24 = profile.Int("iTime", 0) == 1;
    if (ReadText(profile, "sShortDate", picture, 65, 64))
        SetDatePicture(picture, hour24);
}
