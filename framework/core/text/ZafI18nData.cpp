#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLanguageData.h"
#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/base/ZafStaticData.h"
#include "framework/core/text/ZafStrings.h"

namespace {

wchar_t localeName[64] = L"C";
ZafLocaleLoader localeLoader = nullptr;

// At shut-down the shared locale goes; the next start-up makes it again.
void ReleaseLocale(bool release)
{
    if (release)
        ZafLocaleData::SetLocale(nullptr);
}

} // namespace

const wchar_t *ZafI18nData::LocaleName()
{
    return localeName;
}

ZafLocaleLoader ZafI18nData::SetLocaleLoader(ZafLocaleLoader loader)
{
    localeLoader = loader;
    return localeLoader;
}

ZafLocaleData *ZafI18nData::LoadLocale()
{
    ZafLocaleData *locale = localeLoader ? localeLoader(localeName) : nullptr;
    if (!locale)
    {
        locale = new ZafLocaleData;
        locale->ReadSystemLocale();
    }
    return locale;
}

int ZafI18nData::ResetI18n(const wchar_t *name)
{
    ZafStrLCpy(localeName, name && *name ? name : L"C", 64);
    ZafLocaleData::SetLocale(LoadLocale());
    ZafLanguageManager::ReloadLanguageData();
    return 0;
}

int ZafI18nStartUp(int)
{
    if (!ZafLocaleData::Locale())
    {
        ZafLocaleData::SetLocale(ZafI18nData::LoadLocale());
        ZafRegisterStaticData(ReleaseLocale);
    }
    return 0;
}
