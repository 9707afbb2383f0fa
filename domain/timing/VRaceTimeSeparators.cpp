#include "domain/timing/VRaceTime.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

// Keys of the separators; each text's first character is used.
namespace
{
const wchar_t *const kSeparatorKey = L"\\Strings\\Time\\Separator";
const wchar_t *const kDecimalKey = L"\\Strings\\Time\\Decimal";

wchar_t FirstCharacter(KRegistry *settings, const wchar_t *key)
{
    if (!settings)
        return 0;
    const KString &text = settings->GetText(key);
    return text.IsEmpty() ? 0 : text[0];
}
}

void VRaceTime::LoadSeparators()
{
    KRegistry *settings = QVSettings();
    // A digit, sign or blank as a separator would make times unreadable.
    auto usable = [](wchar_t c) { return c > L' ' && !(c >= L'0' && c <= L'9') && c != L'-' && c != L'+'; };
    wchar_t separator = FirstCharacter(settings, kSeparatorKey);
    wchar_t decimal = FirstCharacter(settings, kDecimalKey);
    if (!usable(separator))
        separator = 0;
    if (!usable(decimal) || decimal == separator)
        decimal = 0;
    SetSeparators(separator, decimal);
}
