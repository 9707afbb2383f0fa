// Helpers shared by the value nodes' parsers.
#include "foundation/registry/KRValueText.h"

namespace KRValueText
{
bool ParseWholeInt(const KString &text, int32_t &value)
{
    KString copy(text);
    copy.SetCursor(0);
    int32_t parsed = 0;
    if (!copy.ParseInt(parsed) || !RestIsBlank(copy))
        return false;
    value = parsed;
    return true;
}

bool RestIsBlank(KString &text)
{
    text.SkipWhiteSpace();
    return text.AtEnd();
}
} // namespace KRValueText
