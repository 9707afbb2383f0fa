// The wide formatted input engine: matches the format against the text,
// converts numbers itself and hands every other conversion to the registered
// table. It answers the number of assignments made.

#include "framework/core/ZafPrintf.h"
#include "framework/core/ZafFormatTables.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>

namespace {

struct Spec
{
    int flags = 0;
    int width = 0;               // 0 = unlimited
    wchar_t conversion = 0;
};

void SkipSpace(const wchar_t *&input)
{
    while (*input && ZafFormatIsSpace(*input))
        ++input;
}

bool StartsWith(const wchar_t *text, const wchar_t *prefix)
{
    if (!*prefix)
        return false;
    while (*prefix)
        if (*text++ != *prefix++)
            return false;
    return true;
}

int DigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return 99;
}

// Reads an integer of the conversion's radix; false when no digit was found.
bool ScanInteger(const wchar_t *&input, const Spec &spec, int64_t &value)
{
    int remaining = spec.width > 0 ? spec.width : INT32_MAX;
    const wchar_t *p = input;
    bool negative = false;
    if (remaining && (*p == L'-' || *p == L'+'))
    {
        negative = *p++ == L'-';
        --remaining;
    }
    int radix = 10;
    if (spec.conversion == L'o')
        radix = 8;
    else if (spec.conversion == L'x' || spec.conversion == L'X')
        radix = 16;
    if ((spec.conversion == L'i' || radix == 16) && remaining >= 2 && p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')
        && DigitValue(p[2]) < 16)
    {
        p += 2;
        remaining -= 2;
        radix = 16;
    }
    else if (spec.conversion == L'i' && remaining && p[0] == L'0')
        radix = 8;
    ZafNumberConventions conventions;
    bool grouped = spec.flags & ZAF_SCANF_GROUP;
    if (grouped)
        ZafGetNumberConventions(conventions, false);
    uint64_t magnitude = 0;
    int digits = 0;
    while (remaining > 0)
    {
        int d = DigitValue(*p);
        if (d < radix)
        {
            magnitude = magnitude * uint64_t(radix) + uint64_t(d);
            ++digits;
            ++p;
            --remaining;
        }
        else if (grouped && digits && StartsWith(p, conventions.thousands))
        {
            int length = int(std::wcslen(conventions.thousands));
            p += length;
            remaining -= length;
        }
        else
            break;
    }
    if (!digits)
        return false;
    input = p;
    value = negative ? int64_t(uint64_t(0) - magnitude) : int64_t(magnitude);
    return true;
}

// Collects the characters of a decimal real number and converts them.
bool ScanReal(const wchar_t *&input, const Spec &spec, long double &value)
{
    int remaining = spec.width > 0 ? spec.width : INT32_MAX;
    const wchar_t *p = input;
    char text[128];
    int n = 0;
    ZafNumberConventions conventions;
    bool localised = spec.flags & (ZAF_SCANF_GROUP | ZAF_SCANF_CURRENCY);
    if (localised)
        ZafGetNumberConventions(conventions, (spec.flags & ZAF_SCANF_CURRENCY) != 0);
    auto take = [&](wchar_t c) {
        if (n < 126)
            text[n++] = char(c);
        ++p;
        --remaining;
    };
    if (remaining && (*p == L'-' || *p == L'+'))
        take(*p);
    int digits = 0;
    bool point = false;
    while (remaining > 0)
    {
        if (*p >= L'0' && *p <= L'9')
        {
            take(*p);
            ++digits;
        }
        else if (!point && *p == L'.' && !localised)
        {
            take(*p);
            point = true;
        }
        else if (!point && localised && StartsWith(p, conventions.decimal))
        {
            text[n < 126 ? n++ : n] = '.';
            int length = int(std::wcslen(conventions.decimal));
            p += length;
            remaining -= length;
            point = true;
        }
        else if (!point && localised && digits && StartsWith(p, conventions.thousands))
        {
            int length = int(std::wcslen(conventions.thousands));
            p += length;
            remaining -= length;
        }
        else
            break;
    }
    if (!digits)
        return false;
    if (remaining > 1 && (*p == L'e' || *p == L'E'))
    {
        const wchar_t *mark = p;
        int markRemaining = remaining, markN = n;
        take(*p);
        if (remaining && (*p == L'-' || *p == L'+'))
            take(*p);
        int exponentDigits = 0;
        while (remaining > 0 && *p >= L'0' && *p <= L'9')
        {
            take(*p);
            ++exponentDigits;
        }
        if (!exponentDigits)
        {
            p = mark;
            remaining = markRemaining;
            n = markN;
        }
    }
    text[n] = 0;
    value = std::strtold(text, nullptr);
    input = p;
    return true;
}

void StoreInteger(va_list *args, const Spec &spec, int64_t value)
{
    if (spec.flags & ZAF_SCANF_DATA)
    {
        void *data = va_arg(*args, void *);
        if (data && zafNumberDataAccess.setIntegerValue)
            zafNumberDataAccess.setIntegerValue(data, value);
    }
    else if (spec.flags & ZAF_SCANF_SHORT)
        *va_arg(*args, short *) = short(value);
    else if (spec.flags & ZAF_SCANF_LONG_DOUBLE)
        *va_arg(*args, long long *) = value;
    else
        *va_arg(*args, int *) = int(value);
}

void StoreReal(va_list *args, const Spec &spec, long double value)
{
    if (spec.flags & ZAF_SCANF_DATA)
    {
        void *data = va_arg(*args, void *);
        if (data && zafNumberDataAccess.setRealValue)
            zafNumberDataAccess.setRealValue(data, value);
    }
    else if (spec.flags & ZAF_SCANF_LONG_DOUBLE)
        *va_arg(*args, long double *) = value;
    else if (spec.flags & ZAF_SCANF_LONG)
        *va_arg(*args, double *) = double(value);
    else
        *va_arg(*args, float *) = float(value);
}

void ParseSpec(const wchar_t *&format, Spec &spec)
{
    for (;; ++format)
    {
        switch (*format)
        {
        case L'*': spec.flags |= ZAF_SCANF_SUPPRESS; continue;
        case L'$': spec.flags |= ZAF_SCANF_CURRENCY; continue;
        case L'@': spec.flags |= ZAF_SCANF_AT; continue;
        case L',': spec.flags |= ZAF_SCANF_GROUP; continue;
        case L'Z': spec.flags |= ZAF_SCANF_DATA; continue;
        default: break;
        }
        break;
    }
    for (; *format >= L'0' && *format <= L'9'; ++format)
        spec.width = spec.width < 100000 ? spec.width * 10 + (*format - L'0') : spec.width;
    for (;; ++format)
    {
        switch (*format)
        {
        case L'l': spec.flags |= ZAF_SCANF_LONG; continue;
        case L'h': spec.flags |= ZAF_SCANF_SHORT; continue;
        case L'L': case L'q': spec.flags |= ZAF_SCANF_LONG_DOUBLE; continue;
        default: break;
        }
        break;
    }
    spec.conversion = *format;
}

int Scan(const wchar_t *text, const wchar_t *format, va_list *args)
{
    ZafEnsureStringConversions();
    if (!text || !format)
        return 0;
    const wchar_t *input = text;
    int assigned = 0;
    while (*format)
    {
        if (ZafFormatIsSpace(*format))
        {
            SkipSpace(input);
            ++format;
            continue;
        }
        if (*format != L'%' || format[1] == L'%')
        {
            if (*format == L'%')
            {
                ++format;
                SkipSpace(input);
            }
            if (*input != *format)
                break;
            ++input;
            ++format;
            continue;
        }
        ++format;
        Spec spec;
        ParseSpec(format, spec);
        if (!*format)
            break;
        ++format;
        if (spec.conversion == L'n')
        {
            if (!(spec.flags & ZAF_SCANF_SUPPRESS))
                *va_arg(*args, int *) = int(input - text);
            continue;
        }
        ZafInputConversion conversion = ZafFindInputConversion(spec.conversion);
        if (conversion)
        {
            // Nothing left to read: the scan ends, as at the end of input.
            const wchar_t *peek = input;
            if (spec.conversion != L'c' && spec.conversion != L'[')
                SkipSpace(peek);
            if (!*peek)
                break;
            int result = conversion(args, &input, spec.conversion, spec.flags, spec.width, &format);
            if (result < 0)
                break;
            if (!(spec.flags & ZAF_SCANF_SUPPRESS) && result > 0)
                ++assigned;
            continue;
        }
        SkipSpace(input);
        bool matched = false;
        switch (spec.conversion)
        {
        case L'd': case L'i': case L'u': case L'o': case L'x': case L'X':
        {
            int64_t value;
            if ((matched = ScanInteger(input, spec, value)) && !(spec.flags & ZAF_SCANF_SUPPRESS))
                StoreInteger(args, spec, value);
            break;
        }
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G':
        {
            long double value;
            if ((matched = ScanReal(input, spec, value)) && !(spec.flags & ZAF_SCANF_SUPPRESS))
                StoreReal(args, spec, value);
            break;
        }
        default:
            break;
        }
        if (!matched)
            break;
        if (!(spec.flags & ZAF_SCANF_SUPPRESS))
            ++assigned;
    }
    return assigned;
}

} // namespace

int ZafVSScanf(const wchar_t *text, const wchar_t *format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = Scan(text, format, &copy);
    va_end(copy);
    return n;
}

int ZafSScanf(const wchar_t *text, const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    int n = ZafVSScanf(text, format, args);
    va_end(args);
    return n;
}
