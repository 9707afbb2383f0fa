// The Windows half of the locale record: reads the user's conventions with
// GetLocaleInfoW on Windows NT, else from the "Intl" section of the system
// profile.

#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafStrings.h"
#include "framework/windows/ZafMSWindowsApp.h"

#include <windows.h>

namespace {

int SystemReader(unsigned long type, wchar_t *buffer, int size)
{
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, LCTYPE(type), buffer, size);
}

// Reads one text setting into field (size characters, terminator included);
// a setting that cannot be read, or does not fit, leaves field unchanged.
void ReadText(ZafLocaleInfoReader reader, LCTYPE type, wchar_t *field, int size)
{
    wchar_t buffer[128] = {0};
    if (size > 128)
        size = 128;
    if (reader(type, buffer, size) > 0)
    {
        buffer[size - 1] = 0;
        ZafStrLCpy(field, buffer, size);
    }
}

void ReadNumber(ZafLocaleInfoReader reader, LCTYPE type, int &field)
{
    wchar_t buffer[16] = {0};
    if (reader(type, buffer, 16) > 0)
    {
        buffer[15] = 0;
        field = ZafAToI(buffer);
    }
}

void ReadGrouping(ZafLocaleInfoReader reader, LCTYPE type, unsigned char *grouping, int size)
{
    wchar_t buffer[19] = {0};
    if (reader(type, buffer, 19) > 0)
    {
        buffer[18] = 0;
        ZafLocaleData::ParseGrouping(buffer, grouping, size);
    }
}

// The "Intl" section through the platform object's profile calls. A missing
// key is told apart from an empty one by a default no setting can have.
class SystemProfile : public ZafLocaleProfile
{
public:
    bool String(const char *key, char *buffer, int size) override
    {
        static const char missing[] = "\x01";
        ZafGetProfileStringA("Intl", key, missing, buffer, DWORD(size));
        return !(buffer[0] == '\x01' && buffer[1] == 0);
    }
    int Int(const char *key, int fallback) override
    {
        return int(ZafGetProfileIntA("Intl", key, fallback));
    }
};

} // namespace

int ZafLocaleData::ReadSystemLocale()
{
    if (ZafMSWindowsApp::Platform().platform == 3)
        ReadLocaleInfo();
    else
    {
        SystemProfile profile;
        ReadProfile(profile);
    }
    return 1;
}

void ZafLocaleData::ReadLocaleInfo(ZafLocaleInfoReader source)
{
    ZafLocaleInfoReader reader = source ? source : SystemReader;
    ReadText(reader, LOCALE_SDECIMAL, decimalSeparator, 4);
    ReadText(reader, LOCALE_SMONDECIMALSEP, monDecimalSeparator, 4);
    ReadText(reader, LOCALE_STHOUSAND, thousandsSeparator, 4);
    ReadText(reader, LOCALE_SMONTHOUSANDSEP, monThousandsSeparator, 4);
    ReadText(reader, LOCALE_SCURRENCY, currencySymbol, 8);
    ReadGrouping(reader, LOCALE_SGROUPING, grouping, int(sizeof grouping));
    ReadGrouping(reader, LOCALE_SMONGROUPING, monGrouping, int(sizeof monGrouping));
    ReadText(reader, LOCALE_SINTLSYMBOL, intCurrencySymbol, 8);
    ReadNumber(reader, LOCALE_IPOSSYMPRECEDES, posCurrencyPrecedes);
    ReadNumber(reader, LOCALE_INEGSYMPRECEDES, negCurrencyPrecedes);
    ReadNumber(reader, LOCALE_ICURRDIGITS, currencyDigits);
    ReadNumber(reader, LOCALE_IINTLCURRDIGITS, intCurrencyDigits);
    ReadText(reader, LOCALE_SPOSITIVESIGN, positiveSign, 4);
    ReadNumber(reader, LOCALE_IPOSSYMPRECEDES, posSymbolPrecedes);
    ReadNumber(reader, LOCALE_IPOSSEPBYSPACE, posSpaceSeparation);
    ReadText(reader, LOCALE_SNEGATIVESIGN, negativeSign, 4);
    // The sign position is its own setting (0-4); the symbol-precedes flag
    // (0/1) is a different thing.
    ReadNumber(reader, LOCALE_INEGSIGNPOSN, negSignPosition);
    ReadNumber(reader, LOCALE_INEGSEPBYSPACE, negSpaceSeparation);
    ReadText(reader, LOCALE_SDATE, dateSeparator, 4);
    int hour24 = 0;
    ReadNumber(reader, LOCALE_ITIME, hour24);
    wchar_t picture[128] = {0};
    if (reader(LOCALE_SSHORTDATE, picture, 128) > 0)
    {
        picture[127] = 0;
        SetDatePicture(picture, hour24 == 1);
    }
    ReadText(reader, LOCALE_STIME, timeSeparator, 4);
}
