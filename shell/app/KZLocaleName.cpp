// The locale name from the environment and the Windows locale.
#include "shell/app/KZLocaleName.h"

#include <windows.h>

#include "foundation/strings/KString.h"

namespace {

bool built = false;

KString31 &Name()
{
    static KString31 name;
    return name;
}

void Build(KString &name)
{
    const LCID locale = GetUserDefaultLCID();
    char variable[256] = {};
    const DWORD length = GetEnvironmentVariableA("VEXA_LANG", variable, sizeof variable);
    if (length > 0 && length < sizeof variable) {
        name.AppendAnsi(variable);
        name.Trim();
    }
    if (name.IsEmpty())
        name.Append(LocaleLanguageCode(int(locale & 0x3FF)));
    if (name.Find(L'_') < 0) {
        char country[16] = {};
        KString alpha3;
        if (GetLocaleInfoA(locale, LOCALE_SABBREVCTRYNAME, country, sizeof country) > 0)
            alpha3.AppendAnsi(country);
        name.AppendChar(L'_').Append(LocaleCountryCode(alpha3.CStr()));
    }
    if (name.Find(L'.') < 0)
        name.AppendChar(L'.').AppendInt(int32_t(GetACP()));
}

} // namespace

const KString &LocaleName()
{
    if (!built) {
        Name().Clear();
        Build(Name());
        built = true;
    }
    return Name();
}

void ResetLocaleName()
{
    built = false;
}
