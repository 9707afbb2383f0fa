#include "shell/app/KZLocaleName.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "foundation/strings/KString.h"

namespace {

// Sets VEXA_LANG for one test and builds the name afresh.
class LocaleEnvironment
{
public:
    explicit LocaleEnvironment(const char *value)
    {
        SetEnvironmentVariableA("VEXA_LANG", value);
        ResetLocaleName();
    }
    ~LocaleEnvironment()
    {
        SetEnvironmentVariableA("VEXA_LANG", nullptr);
        ResetLocaleName();
    }
};

std::wstring Name() { return LocaleName().CStr(); }

// The country part this machine's locale gives.
std::wstring MachineCountry()
{
    char country[16] = {};
    GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SABBREVCTRYNAME, country, sizeof country);
    return LocaleCountryCode(std::wstring(country, country + strlen(country)).c_str());
}

} // namespace

TEST(KZLocaleName, ALanguageAloneGetsTheLocalesCountryAndCodePage)
{
    LocaleEnvironment environment("de");
    EXPECT_EQ(L"de_" + MachineCountry() + L"." + std::to_wstring(GetACP()), Name());
    if (PRIMARYLANGID(GetUserDefaultLCID()) == LANG_ENGLISH && GetACP() == 1252
        && SUBLANGID(GetUserDefaultLCID()) == SUBLANG_ENGLISH_US) {
        EXPECT_EQ(L"de_US.1252", Name());
    }
}

TEST(KZLocaleName, ACompleteNameStaysAsItIsAndIsBuiltOnce)
{
    {
        LocaleEnvironment environment("  de_AT.850 ");
        EXPECT_EQ(L"de_AT.850", Name());
        SetEnvironmentVariableA("VEXA_LANG", "fr_FR.1252");
        EXPECT_EQ(L"de_AT.850", Name());
    }
    LocaleEnvironment longName("xx_YY.1252_and_far_too_long_for_the_name");
    EXPECT_EQ(31u, Name().size());
}

TEST(KZLocaleName, WithoutTheVariableTheWindowsLanguageDecides)
{
    LocaleEnvironment environment(nullptr);
    const std::wstring language = LocaleLanguageCode(PRIMARYLANGID(GetUserDefaultLCID()));
    EXPECT_EQ(language + L"_", Name().substr(0, language.size() + 1));
}

TEST(KZLocaleName, TablesMapLanguageIdsAndCountryCodes)
{
    EXPECT_EQ(46, LocaleLanguageCount());
    EXPECT_EQ(238, LocaleCountryCount());
    EXPECT_STREQ(L"hr", LocaleLanguageCode(26));   // Croatian comes before Serbian
    EXPECT_STREQ(L"de", LocaleLanguageCode(7));
    EXPECT_STREQ(L"en", LocaleLanguageCode(999));
    EXPECT_STREQ(L"US", LocaleCountryCode(L"USA"));
    EXPECT_STREQ(L"AT", LocaleCountryCode(L"aut"));
    EXPECT_STREQ(L"GB", LocaleCountryCode(L"GBR"));
    EXPECT_STREQ(L"ZR", LocaleCountryCode(L"ZAR"));
    EXPECT_STREQ(L"ZW", LocaleCountryCode(L"ZWE"));
    EXPECT_STREQ(L"US", LocaleCountryCode(L"XYZ"));
}
