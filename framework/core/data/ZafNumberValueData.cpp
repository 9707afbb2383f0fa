#include "framework/core/data/ZafNumberValueData.h"
#include "framework/core/text/ZafI18nData.h"
#include "framework/core/text/ZafLocaleData.h"

const wchar_t *ZafLocaleNumberFormat(const wchar_t *(ZafLocaleData::*format)() const, const wchar_t *fallback)
{
    ZafI18nStartUp(0);
    ZafLocaleData *locale = ZafLocaleData::Locale();
    return locale ? (locale->*format)() : fallback;
}
