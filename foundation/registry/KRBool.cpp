// KRBool: 1/0 and the words people type.
#include "foundation/registry/KRBool.h"

#include "foundation/registry/KRValueText.h"

bool KRBool::ParseValue(const KString &text)
{
    KString word(text);
    word.Trim();
    static const wchar_t *const on[] = {L"true", L"yes", L"on"};
    static const wchar_t *const off[] = {L"false", L"no", L"off"};
    for (int i = 0; i < 3; ++i) {
        if (word.EqualsIgnoreCase(KString(on[i]))) {
            SetValue(true);
            return true;
        }
        if (word.EqualsIgnoreCase(KString(off[i]))) {
            SetValue(false);
            return true;
        }
    }
    int32_t value = 0;
    if (!KRValueText::ParseWholeInt(text, value))
        return false;
    SetValue(value != 0);
    return true;
}

void KRBool::WriteValue(KString &out) const { out.AppendChar(Value() ? L'1' : L'0'); }
