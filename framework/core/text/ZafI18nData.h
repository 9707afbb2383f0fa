#pragma once
// ZafI18nData: the framework's language and locale services as a whole: the
// name of the locale in force ("language_country.codepage", or "C"), start-up
// and the language change that loads the locale and language data again.
// GUI thread only.

class ZafLocaleData;

// Loads the stored locale data of a locale name; null when there is none.
using ZafLocaleLoader = ZafLocaleData *(*)(const wchar_t *localeName);

class ZafI18nData
{
public:
    // The locale name in force.
    static const wchar_t *LocaleName();
    // Language change: the locale and language data are loaded again for
    // localeName (null: the default name, "C"). The code set stays the
    // system's. Answers 0.
    static int ResetI18n(const wchar_t *localeName);
    static ZafLocaleLoader SetLocaleLoader(ZafLocaleLoader loader);

private:
    friend int ZafI18nStartUp(int);
    static ZafLocaleData *LoadLocale();
};

// Creates the shared locale data (stored, else read from the system) when
// none exists yet. Answers 0.
int ZafI18nStartUp(int);
