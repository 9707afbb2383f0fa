// Copies, comparisons, searches, line ends, numbers and wildcard matching of
// the wide string library. Case-dependent functions are in ZafStringsCase.cpp,
// collation in ZafCollation.cpp, the file-system wrappers in ZafFileNames.cpp.

#include "framework/core/text/ZafStrings.h"

#include <cstdint>

int ZafStrLen(const wchar_t *s)
{
    int n = 0;
    while (s[n])
        ++n;
    return n;
}

wchar_t *ZafStrCpy(wchar_t *dest, const wchar_t *src)
{
    wchar_t *d = dest;
    while ((*d++ = *src++) != 0)
        ;
    return dest;
}

wchar_t *ZafStrNCpy(wchar_t *dest, const wchar_t *src, int n)
{
    int i = 0;
    for (; i < n && src[i]; ++i)
        dest[i] = src[i];
    for (; i < n; ++i)
        dest[i] = 0;
    return dest;
}

wchar_t *ZafStrLCpy(wchar_t *dest, const wchar_t *src, int size)
{
    if (size <= 0)
        return dest;
    int i = 0;
    for (; src && i < size - 1 && src[i]; ++i)
        dest[i] = src[i];
    dest[i] = 0;
    return dest;
}

wchar_t *ZafStrCat(wchar_t *dest, const wchar_t *src)
{
    ZafStrCpy(dest + ZafStrLen(dest), src);
    return dest;
}

wchar_t *ZafStrNCat(wchar_t *dest, const wchar_t *src, int n)
{
    wchar_t *d = dest + ZafStrLen(dest);
    int i = 0;
    for (; i < n && src[i]; ++i)
        d[i] = src[i];
    d[i] = 0;
    return dest;
}

wchar_t *ZafStrDup(const wchar_t *s)
{
    if (!s)
        return nullptr;
    wchar_t *copy = new wchar_t[ZafStrLen(s) + 1];
    return ZafStrCpy(copy, s);
}

int ZafStrCmp(const wchar_t *a, const wchar_t *b)
{
    // Characters compare as signed 16-bit values, so U+8000 and above order
    // before U+0000-U+7FFF. Stored sort orders depend on this: do not change
    // it to unsigned; use ZafStrNCmp or ZafStrColl for a Unicode order.
    int i = 0;
    while (a[i] && a[i] == b[i])
        ++i;
    return int(int16_t(a[i])) - int(int16_t(b[i]));
}

int ZafStrNCmp(const wchar_t *a, const wchar_t *b, int n)
{
    for (int i = 0; i < n; ++i)
    {
        if (a[i] != b[i] || !a[i])
            return int(uint16_t(a[i])) - int(uint16_t(b[i]));
    }
    return 0;
}

int ZafStrSafeCmp(const wchar_t *a, const wchar_t *b)
{
    if (a == b)
        return 0;
    if (!a)
        return -int(uint16_t(b[0]));
    if (!b)
        return int(uint16_t(a[0]));
    int i = 0;
    while (a[i] && a[i] == b[i])
        ++i;
    return int(uint16_t(a[i])) - int(uint16_t(b[i]));
}

int ZafStrSafeCmp(const char *a, const char *b)
{
    if (a == b)
        return 0;
    if (!a)
        return -int(static_cast<signed char>(b[0]));
    if (!b)
        return int(static_cast<signed char>(a[0]));
    int i = 0;
    while (a[i] && a[i] == b[i])
        ++i;
    return int(static_cast<signed char>(a[i])) - int(static_cast<signed char>(b[i]));
}

int ZafStrSafeCmp(const wchar_t *a, const char *b)
{
    // The 8-bit side is taken as Latin-1 (its bytes unsigned), so a wide
    // character above U+00FF always orders after any 8-bit character.
    if (!a && !b)
        return 0;
    if (!a)
        return -int(static_cast<unsigned char>(b[0]));
    if (!b)
        return int(uint16_t(a[0]));
    int i = 0;
    while (a[i] && uint16_t(a[i]) == static_cast<unsigned char>(b[i]))
        ++i;
    return int(uint16_t(a[i])) - int(static_cast<unsigned char>(b[i]));
}

wchar_t *ZafStrChr(const wchar_t *s, wchar_t c)
{
    for (;; ++s)
    {
        if (*s == c)
            return const_cast<wchar_t *>(s);
        if (!*s)
            return nullptr;
    }
}

wchar_t *ZafStrRChr(const wchar_t *s, wchar_t c)
{
    const wchar_t *found = nullptr;
    for (;; ++s)
    {
        if (*s == c)
            found = s;
        if (!*s)
            return const_cast<wchar_t *>(found);
    }
}

wchar_t *ZafStrStr(const wchar_t *s, const wchar_t *pattern)
{
    if (!*pattern)
        return const_cast<wchar_t *>(s);
    for (; *s; ++s)
    {
        int i = 0;
        while (pattern[i] && s[i] == pattern[i])
            ++i;
        if (!pattern[i])
            return const_cast<wchar_t *>(s);
    }
    return nullptr;
}

int ZafStrCSpn(const wchar_t *s, const wchar_t *set)
{
    int i = 0;
    for (; s[i]; ++i)
        if (ZafStrChr(set, s[i]) && s[i])
            return i;
    return i;
}

int ZafStrRCSpn(const wchar_t *s, const wchar_t *set)
{
    int length = ZafStrLen(s);
    int smallest = length;
    for (const wchar_t *c = set; *c; ++c)
    {
        const wchar_t *last = ZafStrRChr(s, *c);
        if (last && last - s < smallest)
            smallest = int(last - s);
    }
    return smallest;
}

wchar_t *ZafStrPBrk(const wchar_t *s, const wchar_t *set)
{
    for (; *s; ++s)
        if (ZafStrChr(set, *s))
            return const_cast<wchar_t *>(s);
    return nullptr;
}

wchar_t *ZafStrTok(wchar_t *s, const wchar_t *delimiters)
{
    static wchar_t *position = nullptr;
    if (s)
        position = s;
    if (!position || !*position)
        return nullptr;
    while (*position && ZafStrChr(delimiters, *position))
        ++position;
    wchar_t *token = position;
    while (*position && !ZafStrChr(delimiters, *position))
        ++position;
    if (*position)
        *position++ = 0;
    return token;
}

wchar_t *ZafStrReplaceChar(wchar_t *s, wchar_t from, wchar_t to)
{
    if (s)
        for (wchar_t *p = s; *p; ++p)
            if (*p == from)
                *p = to;
    return s;
}

wchar_t *ZafStrStripChar(wchar_t *s, wchar_t c)
{
    if (!s)
        return s;
    wchar_t *to = s;
    for (wchar_t *from = s; *from; ++from)
        if (*from != c)
            *to++ = *from;
    *to = 0;
    return s;
}

namespace {

// The line-end conversions, one template for both character widths.
template <typename Char>
Char *PairToSingle(Char *dest, const Char *src, Char single)
{
    if (!src)
        return nullptr;
    Char *to = dest ? dest : const_cast<Char *>(src);
    const Char *from = src;
    Char *out = to;
    while (*from)
    {
        if (from[0] == '\r' && from[1] == '\n')
        {
            *out++ = single;
            from += 2;
        }
        else
            *out++ = *from++;
    }
    *out = 0;
    return to;
}

template <typename Char>
int StrLength(const Char *s)
{
    int n = 0;
    while (s[n])
        ++n;
    return n;
}

// Lone CR (returns = true) or lone LF (returns = false) become CR LF. In place
// the text is first counted, then rewritten from its end so nothing is lost.
template <typename Char>
Char *SingleToPair(Char *dest, const Char *src, bool returns)
{
    if (!src)
        return nullptr;
    int length = StrLength(src);
    auto isLone = [&](int i) {
        if (returns)
            return src[i] == '\r' && src[i + 1] != '\n';
        return src[i] == '\n' && (i == 0 || src[i - 1] != '\r');
    };
    int added = 0;
    for (int i = 0; i < length; ++i)
        if (isLone(i))
            ++added;
    Char *to = dest ? dest : const_cast<Char *>(src);
    int out = length + added;
    to[out] = 0;
    for (int i = length - 1; i >= 0; --i)
    {
        bool lone = isLone(i);
        Char c = src[i];
        if (lone)
        {
            to[--out] = '\n';
            to[--out] = '\r';
        }
        else
            to[--out] = c;
    }
    return to;
}

} // namespace

wchar_t *ZafStrPairToReturn(wchar_t *dest, const wchar_t *src) { return PairToSingle<wchar_t>(dest, src, L'\r'); }
wchar_t *ZafStrPairToNewline(wchar_t *dest, const wchar_t *src) { return PairToSingle<wchar_t>(dest, src, L'\n'); }
wchar_t *ZafStrReturnToPair(wchar_t *dest, const wchar_t *src) { return SingleToPair<wchar_t>(dest, src, true); }
wchar_t *ZafStrNewlineToPair(wchar_t *dest, const wchar_t *src) { return SingleToPair<wchar_t>(dest, src, false); }
char *ZafStrPairToReturn(char *dest, const char *src) { return PairToSingle<char>(dest, src, '\r'); }
char *ZafStrPairToNewline(char *dest, const char *src) { return PairToSingle<char>(dest, src, '\n'); }
char *ZafStrReturnToPair(char *dest, const char *src) { return SingleToPair<char>(dest, src, true); }
char *ZafStrNewlineToPair(char *dest, const char *src) { return SingleToPair<char>(dest, src, false); }

wchar_t *ZafIToA(long value, wchar_t *buffer, int radix, int minimumDigits)
{
    static const wchar_t digits[] = L"0123456789abcdef";
    if (radix < 2 || radix > 16)
        radix = 10;
    bool negative = radix == 10 && value < 0;
    uint32_t magnitude = negative ? uint32_t(0) - uint32_t(value) : uint32_t(value);
    wchar_t reversed[40];
    int count = 0;
    do
    {
        reversed[count++] = digits[magnitude % uint32_t(radix)];
        magnitude /= uint32_t(radix);
    } while (magnitude);
    // Negative values are not padded: no caller asks for it, and "-0042"
    // would read as a different number in some locales' conventions.
    if (!negative)
        while (count < minimumDigits && count < 32)
            reversed[count++] = L'0';
    wchar_t *out = buffer;
    if (negative)
        *out++ = L'-';
    while (count)
        *out++ = reversed[--count];
    *out = 0;
    return buffer;
}

int ZafAToI(const wchar_t *text)
{
    if (!text)
        return 0;
    while (*text == L' ' || (*text >= L'\t' && *text <= L'\r'))
        ++text;
    bool negative = false;
    if (*text == L'-' || *text == L'+')
        negative = *text++ == L'-';
    uint32_t value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text)
        value = value * 10u + uint32_t(*text - L'0');
    return negative ? int(uint32_t(0) - value) : int(value);
}

int ZafWildcardMatch(const wchar_t *s, const wchar_t *pattern)
{
    while (*s)
    {
        if (*pattern == L'*')
        {
            while (*pattern == L'*')
                ++pattern;
            if (!*pattern)
                return 0;
            // Try each occurrence of the character after the star in turn.
            for (const wchar_t *at = s; *at; ++at)
                if ((*at == *pattern || *pattern == L'?') && ZafWildcardMatch(at, pattern) == 0)
                    return 0;
            return 1;
        }
        if (*pattern != *s && *pattern != L'?')
            return int(uint16_t(*s)) - int(uint16_t(*pattern));
        if (!*pattern)
            return 1;
        ++s;
        ++pattern;
    }
    while (*pattern == L'*')
        ++pattern;
    return int(uint16_t(*s)) - int(uint16_t(*pattern));
}
