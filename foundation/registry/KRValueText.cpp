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

namespace
{
// 1 when the text goes on with word from its cursor (the cursor then after
// it), 0 when it goes on with something else at once, -1 when it breaks off
// inside the word.
int SkipWord(KString &text, const wchar_t *word)
{
    if (text.Peek() != word[0])
        return 0;
    for (; *word; ++word)
        if (text.NextChar() != *word)
            return -1;
    return 1;
}
} // namespace

bool ParseIntPair(const KString &text, const wchar_t *separator, bool secondOptional, int32_t &first,
                  int32_t &second)
{
    KString copy(text);
    copy.SetCursor(0);
    int32_t a = 0, b = second;
    if (!copy.ParseInt(a))
        return false;
    copy.SkipWhiteSpace();
    const int found = SkipWord(copy, separator);
    if (found < 0 || (found == 0 && !secondOptional))
        return false;
    if (found > 0 && !copy.ParseInt(b))
        return false;
    if (!RestIsBlank(copy))
        return false;
    first = a;
    second = b;
    return true;
}

bool RestIsBlank(KString &text)
{
    text.SkipWhiteSpace();
    return text.AtEnd();
}
} // namespace KRValueText
