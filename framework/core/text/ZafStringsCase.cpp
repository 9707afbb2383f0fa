// The case-dependent functions of the wide string library.

#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafStrings.h"

#include <cstdint>

namespace {

inline wchar_t Folded(wchar_t c)
{
    return ZafIsUpper(c) ? ZafToLower(c) : c;
}

} // namespace

int ZafStrICmp(const wchar_t *a, const wchar_t *b)
{
    int i = 0;
    while (a[i] && Folded(a[i]) == Folded(b[i]))
        ++i;
    return int(uint16_t(Folded(a[i]))) - int(uint16_t(Folded(b[i])));
}

int ZafStrNICmp(const wchar_t *a, const wchar_t *b, int n)
{
    for (int i = 0; i < n; ++i)
    {
        wchar_t x = Folded(a[i]), y = Folded(b[i]);
        if (x != y || !x)
            return int(uint16_t(x)) - int(uint16_t(y));
    }
    return 0;
}

wchar_t *ZafStrLwr(wchar_t *s)
{
    for (wchar_t *p = s; *p; ++p)
        if (ZafIsUpper(*p))
            *p = ZafToLower(*p);
    return s;
}

wchar_t *ZafStrUpr(wchar_t *s)
{
    for (wchar_t *p = s; *p; ++p)
        if (ZafIsLower(*p))
            *p = ZafToUpper(*p);
    return s;
}
