#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/text/ZafPrintf.h"
#include "framework/core/base/ZafStaticData.h"
#include "framework/core/text/ZafStrings.h"
#include "framework/windows/ZafMSWindowsApp.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

namespace {

std::wstring Translate(const wchar_t *picture, const wchar_t *separator)
{
    wchar_t result[128];
    ZafLocaleData::TranslateDatePicture(picture, separator, result, 128);
    return result;
}

// An "Intl" profile section held in memory.
struct FakeProfile : ZafLocaleProfile
{
    std::map<std::string, std::string> texts;
    std::map<std::string, int> numbers;
    bool String(const char *key, char *buffer, int size) override
    {
        auto found = texts.find(key);
        if (found == texts.end())
            return false;
        lstrcpynA(buffer, found->second.c_str(), size);
        return true;
    }
    int Int(const char *key, int fallback) override
    {
        auto found = numbers.find(key);
        return found == numbers.end() ? fallback : found->second;
    }
};

} // namespace

TEST(ZafLocaleData, DatePicturesBecomeTheFrameworkNotationWithoutPassingTheBuffer)
{
    EXPECT_EQ(Translate(L"dd.MM.yyyy", L"."), L"%d.%m.%Y");
    EXPECT_EQ(Translate(L"M/d/yy", L"/"), L"%v/%e/%y");
    EXPECT_EQ(Translate(L"d-MMM-yyy", L"-"), L"%e-%b-%y");
    // Any other character stands for the separator field, whatever it was.
    EXPECT_EQ(Translate(L"yyyy/MM/dd", L"-"), L"%Y-%m-%d");
    wchar_t result[8];
    result[7] = 0x7777;
    ZafLocaleData::TranslateDatePicture(L"dd.MM.yyyy dd.MM.yyyy", L".", result, 7);
    EXPECT_EQ(std::wstring(result), L"%d.%m.");
    EXPECT_EQ(result[7], 0x7777);
}

TEST(ZafLocaleData, DateTimeFormatIsTheDateABlankAndTheTime)
{
    ZafLocaleData locale;
    locale.SetTimeFormat(L"%I:%M %p");
    locale.SetTime24Format(L"%H:%M");
    locale.dateSeparator[0] = L'.';
    locale.SetDatePicture(L"dd.MM.yyyy", false);
    EXPECT_EQ(std::wstring(locale.DateFormat()), L"%d.%m.%Y");
    EXPECT_EQ(std::wstring(locale.DateTimeFormat()), L"%d.%m.%Y %I:%M %p");
    locale.SetDatePicture(L"dd.MM.yyyy", true);
    EXPECT_EQ(std::wstring(locale.DateTimeFormat()), L"%d.%m.%Y %H:%M");
}

TEST(ZafLocaleData, GroupingTextsBecomeGroupSizes)
{
    unsigned char grouping[20];
    ZafLocaleData::ParseGrouping(L"3;2;0", grouping, 20);
    EXPECT_EQ(grouping[0], 3);
    EXPECT_EQ(grouping[1], 2);
    EXPECT_EQ(grouping[2], 0);
    ZafLocaleData::ParseGrouping(L"12", grouping, 20);
    EXPECT_EQ(grouping[0], 12);
    EXPECT_EQ(grouping[1], 0);
    unsigned char small[3] = {9, 9, 9};
    ZafLocaleData::ParseGrouping(L"1;2;3;4;5", small, 3);
    EXPECT_EQ(small[2], 0);
}

TEST(ZafLocaleData, NegativeCurrencyCodesSetThreeFieldsOrNothing)
{
    ZafLocaleData locale;
    locale.ApplyNegativeCurrencyCode(8);
    EXPECT_EQ(locale.negSpaceSeparation, 1);
    EXPECT_EQ(locale.negCurrencyPrecedes, 0);
    EXPECT_EQ(locale.negSignPosition, 1);
    locale.ApplyNegativeCurrencyCode(6);
    EXPECT_EQ(locale.negSignPosition, 4);
    locale.ApplyNegativeCurrencyCode(11);
    locale.ApplyNegativeCurrencyCode(-1);
    EXPECT_EQ(locale.negSpaceSeparation, 0);
    EXPECT_EQ(locale.negCurrencyPrecedes, 0);
    EXPECT_EQ(locale.negSignPosition, 4);
    locale.ApplyCurrencyCode(2);
    EXPECT_EQ(locale.posSpaceSeparation, 1);
    EXPECT_EQ(locale.posCurrencyPrecedes, 1);
}

TEST(ZafLocaleData, ProfileSectionFillsTheRecordAndMissingKeysKeepValues)
{
    FakeProfile profile;
    profile.texts = {{"sDecimal", ","}, {"sThousand", "."}, {"sCurrency", "DM"}, {"sDate", "."},
        {"sShortDate", "dd.MM.yyyy"}};
    profile.numbers = {{"iCurrency", 3}, {"iNegCurr", 8}, {"iTime", 1}};
    ZafLocaleData locale;
    locale.currencyDigits = 3;
    locale.ReadProfile(profile);
    EXPECT_EQ(std::wstring(locale.decimalSeparator), L",");
    EXPECT_EQ(std::wstring(locale.monDecimalSeparator), L",");
    EXPECT_EQ(std::wstring(locale.monThousandsSeparator), L".");
    EXPECT_EQ(std::wstring(locale.intCurrencySymbol), L"DM");
    EXPECT_EQ(std::wstring(locale.timeSeparator), L":");       // sTime missing: kept
    EXPECT_EQ(locale.posSpaceSeparation, 1);
    EXPECT_EQ(locale.posCurrencyPrecedes, 0);
    EXPECT_EQ(locale.negSignPosition, 1);
    EXPECT_EQ(locale.currencyDigits, 3);
    EXPECT_EQ(std::wstring(locale.DateFormat()), L"%d.%m.%Y");
    EXPECT_EQ(std::wstring(locale.DateTimeFormat()), L"%d.%m.%Y %H:%M:%S");
}

TEST(ZafLocaleData, SystemLocaleMatchesGetLocaleInfo)
{
    ZafLocaleData locale;
    EXPECT_EQ(locale.ReadSystemLocale(), 1);
    wchar_t decimal[8];
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8), 0);
    EXPECT_EQ(std::wstring(locale.decimalSeparator), decimal);
    wchar_t position[8];
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_INEGSIGNPOSN, position, 8), 0);
    EXPECT_EQ(locale.negSignPosition, _wtoi(position));
    wchar_t separator[8];
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, 8), 0);
    EXPECT_NE(std::wstring(locale.DateFormat()).find(separator), std::wstring::npos);
}

TEST(ZafLocaleData, GroupingFlagFollowsTheSharedLocale)
{
    ZafLocaleData *locale = new ZafLocaleData;
    locale->thousandsSeparator[0] = L'.';
    locale->decimalSeparator[0] = L',';
    ZafLocaleData::ParseGrouping(L"3;2;0", locale->grouping, 20);
    ZafLocaleData::SetLocale(locale);
    wchar_t buffer[32];
    ZafSPrintf(buffer, L"%,d|%,.1f", 12345678, 1234.5);
    EXPECT_EQ(std::wstring(buffer), L"1.23.45.678|1.234,5");
    int value = 0;
    EXPECT_EQ(ZafSScanf(L"1.234.567", L"%,d", &value), 1);
    EXPECT_EQ(value, 1234567);
    ZafLocaleData::SetLocale(new ZafLocaleData);
}

TEST(ZafI18nData, StartUpMakesOneLocaleLanguageChangeReplacesItAndShutDownReleasesItTillItsNextUse)
{
    ZafLocaleData::SetLocale(nullptr);
    ZafI18nStartUp(0);
    ZafLocaleData *first = ZafLocaleData::Locale();
    ASSERT_NE(first, nullptr);
    ZafI18nStartUp(0);
    EXPECT_EQ(ZafLocaleData::Locale(), first);
    ZafI18nData::ResetI18n(L"de_DE.1252");
    EXPECT_NE(ZafLocaleData::Locale(), nullptr);
    EXPECT_EQ(std::wstring(ZafI18nData::LocaleName()), L"de_DE.1252");
    ZafI18nData::ResetI18n(nullptr);
    EXPECT_EQ(std::wstring(ZafI18nData::LocaleName()), L"C");
    ZafLocaleData::SetLocale(new ZafLocaleData);
    ZafLocaleData::SetLocale(nullptr);
    ZafI18nStartUp(0);
    ASSERT_NE(ZafLocaleData::Locale(), nullptr);
    ZafReleaseStaticData();
    EXPECT_EQ(ZafLocaleData::Locale(), nullptr);
    wchar_t buffer[16];
    ZafSPrintf(buffer, L"%,d", 5);
    EXPECT_NE(ZafLocaleData::Locale(), nullptr);
    ZafLocaleData::SetLocale(new ZafLocaleData);
}

namespace {

// A locale whose currency symbol and date separator cannot be read, with
// Indian grouping but a plain monetary grouping.
int PartlyFailingReader(unsigned long type, wchar_t *buffer, int size)
{
    const wchar_t *value = nullptr;
    switch (type)
    {
    case LOCALE_SDECIMAL: value = L","; break;
    case LOCALE_SGROUPING: value = L"3;2;0"; break;
    case LOCALE_SMONGROUPING: value = L"3;0"; break;
    case LOCALE_INEGSIGNPOSN: value = L"3"; break;
    case LOCALE_INEGSYMPRECEDES: value = L"0"; break;
    case LOCALE_SSHORTDATE: value = L"yyyy-MM-dd"; break;
    case LOCALE_ITIME: value = L"1"; break;
    case LOCALE_SCURRENCY: value = L"far too long a symbol"; break;
    default: return 0;
    }
    int length = lstrlenW(value);
    if (length + 1 > size)
        return 0;                        // as GetLocaleInfoW: the buffer is too small
    lstrcpyW(buffer, value);
    return length + 1;
}

} // namespace

TEST(ZafLocaleData, SettingsThatCannotBeReadKeepTheirValues)
{
    ZafLocaleData locale;
    locale.ReadLocaleInfo(PartlyFailingReader);
    EXPECT_EQ(std::wstring(locale.decimalSeparator), L",");
    EXPECT_EQ(std::wstring(locale.currencySymbol), L"$");
    EXPECT_EQ(std::wstring(locale.dateSeparator), L"/");
    EXPECT_EQ(locale.negSignPosition, 3);
    EXPECT_EQ(locale.negCurrencyPrecedes, 0);
    EXPECT_EQ(locale.currencyDigits, 2);
    EXPECT_EQ(locale.grouping[0], 3);
    EXPECT_EQ(locale.grouping[1], 2);
    EXPECT_EQ(locale.monGrouping[0], 3);
    EXPECT_EQ(locale.monGrouping[1], 0);
    EXPECT_EQ(std::wstring(locale.DateFormat()), L"%Y/%m/%d");
    EXPECT_EQ(std::wstring(locale.DateTimeFormat()), L"%Y/%m/%d %H:%M:%S");
}

TEST(ZafLocaleData, OnTheNinetyFivePlatformTheProfileSectionIsRead)
{
    ZafPlatformInfo saved = ZafMSWindowsApp::Platform();
    ZafPlatformInfo old = ZafDecidePlatform(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
    ASSERT_NE(old.platform, 3);
    ZafMSWindowsApp::ApplyPlatform(old);
    ZafLocaleData locale;
    ZafStrCpy(locale.decimalSeparator, L"#");
    EXPECT_EQ(locale.ReadSystemLocale(), 1);
    ZafMSWindowsApp::ApplyPlatform(saved);
    // The decimal separator is the profile's, or unchanged when it has none.
    char decimal[21];
    GetProfileStringA("Intl", "sDecimal", "#", decimal, sizeof decimal);
    wchar_t expected[21];
    MultiByteToWideChar(CP_ACP, 0, decimal, -1, expected, 21);
    EXPECT_EQ(std::wstring(locale.decimalSeparator), std::wstring(expected).substr(0, 3));
}

TEST(ZafLocaleData, CurrencyFlagPlacesSymbolAndSignAsTheLocaleSays)
{
    ZafLocaleData::SetLocale(new ZafLocaleData);
    wchar_t buffer[64];
    ZafSPrintf(buffer, L"%$f|%$d|%$10d|", -1234.5, 1234, 5);
    EXPECT_EQ(std::wstring(buffer), L"-$1,234.50|$1,234|        $5|");
    ZafLocaleData *euro = new ZafLocaleData;
    ZafStrCpy(euro->currencySymbol, L"\u20ac");
    ZafStrCpy(euro->monDecimalSeparator, L",");
    ZafStrCpy(euro->monThousandsSeparator, L".");
    euro->posCurrencyPrecedes = euro->negCurrencyPrecedes = 0;
    euro->posSpaceSeparation = euro->negSpaceSeparation = 1;
    ZafLocaleData::SetLocale(euro);
    ZafSPrintf(buffer, L"%$f|%$f", 1234.5, -2.0);
    EXPECT_EQ(std::wstring(buffer), L"1.234,50 \u20ac|-2,00 \u20ac");
    double value = 0;
    EXPECT_EQ(ZafSScanf(L"-1.234,50 \u20ac", L"%$lf", &value), 1);
    EXPECT_DOUBLE_EQ(value, -1234.5);
    euro->negSignPosition = 0;
    euro->negCurrencyPrecedes = 1;
    euro->negSpaceSeparation = 0;
    ZafSPrintf(buffer, L"%$.1f", -3.25);
    EXPECT_EQ(std::wstring(buffer), L"(\u20ac3,2)");
    int whole = 0;
    EXPECT_EQ(ZafSScanf(L"(\u20ac1.000)", L"%$d", &whole), 1);
    EXPECT_EQ(whole, -1000);
    ZafLocaleData::SetLocale(new ZafLocaleData);
}
