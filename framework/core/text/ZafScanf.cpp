// The wide formatted input engine: matches the format against the text,
// converts numbers itself and hands every other conversion to the registered
// table. It answers the number of assignments made.

#include "framework/core/text/ZafPrintf.h"
#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafDirectiveFlags.h"
#include "framework/core/text/ZafFormatTables.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>

namespace {

struct Directive
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

// Steps over part when the input starts with it within the remaining width.
bool SkipPart(const wchar_t *&p, int &remaining, const wchar_t *part)
{
    int length = int(std::wcslen(part));
    if (!length || length > remaining || !StartsWith(p, part))
        return false;
    p += length;
    remaining -= length;
    return true;
}

// The parts of a currency amount around its digits: the symbol, the
// negative sign and parentheses, in whatever order the locale puts them.
void SkipCurrencyParts(const wchar_t *&p, int &remaining, const ZafNumberConventions &conventions,
    bool &negative, bool &parenthesis, bool closing)
{
    for (int round = 0; round < 4 && remaining > 0; ++round)
    {
        auto skip = [&](const wchar_t *part) { return SkipPart(p, remaining, part); };
        while (remaining > 0 && *p == L' ')
        {
            ++p;
            --remaining;
        }
        if (!closing && skip(L"("))
            negative = parenthesis = true;
        else if (closing && parenthesis && skip(L")"))
            parenthesis = false;
        else if (skip(conventions.symbol))
            continue;
        else if (skip(conventions.negativeSign))
            negative = true;
        else
            break;
    }
}

// Reads an integer of the conversion's radix; false when no digit was found.
bool ScanInteger(const wchar_t *&input, const Directive &directive, int64_t &value)
{
    int remaining = directive.width > 0 ? directive.width : INT32_MAX;
    const wchar_t *p = input;
    bool negative = false;
    if (remaining && (*p == L'-' || *p == L'+'))
    {
        negative = *p++ == L'-';
        --remaining;
    }
    bool currency = directive.flags & ZAF_SCANF_CURRENCY;
    bool parenthesis = false;
    ZafNumberConventions money;
    if (currency)
    {
        ZafGetNumberConventions(money, true);
        SkipCurrencyParts(p, remaining, money, negative, parenthesis, false);
    }
    int radix = 10;
    if (directive.conversion == L'o')
        radix = 8;
    else if (directive.conversion == L'x' || directive.conversion == L'X')
        radix = 16;
    if ((directive.conversion == L'i' || radix == 16) && remaining >= 2 && p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')
        && ZafDigitValue(p[2]) < 16)
    {
        p += 2;
        remaining -= 2;
        radix = 16;
    }
    else if (directive.conversion == L'i' && remaining && p[0] == L'0')
        radix = 8;
    ZafNumberConventions conventions;
    bool grouped = directive.flags & (ZAF_SCANF_GROUP | ZAF_SCANF_CURRENCY);
    if (grouped)
        ZafGetNumberConventions(conventions, currency);
    uint64_t magnitude = 0;
    int digits = 0;
    while (remaining > 0)
    {
        int d = ZafDigitValue(*p);
        if (d < radix)
        {
            magnitude = magnitude * uint64_t(radix) + uint64_t(d);
            ++digits;
            ++p;
            --remaining;
        }
        else if (!(grouped && digits && SkipPart(p, remaining, conventions.thousands)))
            break;
    }
    if (!digits)
        return false;
    if (currency)
        SkipCurrencyParts(p, remaining, money, negative, parenthesis, true);
    input = p;
    value = negative ? int64_t(uint64_t(0) - magnitude) : int64_t(magnitude);
    return true;
}

// Collects the characters of a decimal real number and converts them.
bool ScanReal(const wchar_t *&input, const Directive &directive, long double &value)
{
    int remaining = directive.width > 0 ? directive.width : INT32_MAX;
    const wchar_t *p = input;
    char text[128];
    int n = 0;
    ZafNumberConventions conventions;
    bool localised = directive.flags & (ZAF_SCANF_GROUP | ZAF_SCANF_CURRENCY);
    if (localised)
        ZafGetNumberConventions(conventions, (directive.flags & ZAF_SCANF_CURRENCY) != 0);
    auto take = [&](wchar_t c) {
        if (n < 126)
            text[n++] = char(c);
        ++p;
        --remaining;
    };
    bool currency = directive.flags & ZAF_SCANF_CURRENCY;
    bool negative = false, parenthesis = false;
    if (currency)
        SkipCurrencyParts(p, remaining, conventions, negative, parenthesis, false);
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
        else if (!point && localised && SkipPart(p, remaining, conventions.decimal))
        {
            text[n < 126 ? n++ : n] = '.';
            point = true;
        }
        else if (!(!point && localised && digits && SkipPart(p, remaining, conventions.thousands)))
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
    if (currency)
        SkipCurrencyParts(p, remaining, conventions, negative, parenthesis, true);
    text[n] = 0;
    value = std::strtold(text, nullptr);
    if (negative)
        value = -value;
    input = p;
    return true;
}

// With the "Z" flag the argument is a data object: the value goes to it
// through the data class's setter (none installed: nothing is assigned).
// Answers whether the directive had the flag.
template <class Value>
bool StoreInDataObject(va_list *args, const Directive &directive, void (*setter)(void *, Value), Value value)
{
    if (!(directive.flags & ZAF_SCANF_DATA))
        return false;
    void *data = va_arg(*args, void *);
    if (data && setter)
        setter(data, value);
    return true;
}

void StoreInteger(va_list *args, const Directive &directive, int64_t value)
{
    if (StoreInDataObject<long long>(args, directive, zafNumberDataAccess.setIntegerValue, value))
        return;
    if (directive.flags & ZAF_SCANF_SHORT)
        *va_arg(*args, short *) = short(value);
    else if (directive.flags & ZAF_SCANF_LONG_DOUBLE)
        *va_arg(*args, long long *) = value;
    else
        *va_arg(*args, int *) = int(value);
}

void StoreReal(va_list *args, const Directive &directive, long double value)
{
    if (StoreInDataObject<long double>(args, directive, zafNumberDataAccess.setRealValue, value))
        return;
    if (directive.flags & ZAF_SCANF_LONG_DOUBLE)
        *va_arg(*args, long double *) = value;
    else if (directive.flags & ZAF_SCANF_LONG)
        *va_arg(*args, double *) = double(value);
    else
        *va_arg(*args, float *) = float(value);
}

constexpr ZafDirectiveFlag leadingFlags[] = {
    { L'*', ZAF_SCANF_SUPPRESS }, { L'$', ZAF_SCANF_CURRENCY }, { L'@', ZAF_SCANF_AT },
    { L',', ZAF_SCANF_GROUP }, { L'Z', ZAF_SCANF_DATA }, { 0, 0 },
};
constexpr ZafDirectiveFlag sizeFlags[] = {
    { L'l', ZAF_SCANF_LONG }, { L'h', ZAF_SCANF_SHORT }, { L'L', ZAF_SCANF_LONG_DOUBLE },
    { L'q', ZAF_SCANF_LONG_DOUBLE }, { 0, 0 },
};

void ParseDirective(const wchar_t *&format, Directive &directive)
{
    ZafReadDirectiveFlags(format, leadingFlags, directive.flags);
    ZafReadDirectiveCount(format, directive.width);
    ZafReadDirectiveFlags(format, sizeFlags, directive.flags);
    directive.conversion = *format;
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
        Directive directive;
        ParseDirective(format, directive);
        if (!*format)
            break;
        ++format;
        if (directive.conversion == L'n')
        {
            if (!(directive.flags & ZAF_SCANF_SUPPRESS))
                *va_arg(*args, int *) = int(input - text);
            continue;
        }
        ZafInputConversion conversion = ZafFindInputConversion(directive.conversion);
        if (conversion)
        {
            // Nothing left to read: the scan ends, as at the end of input.
            const wchar_t *peek = input;
            if (directive.conversion != L'c' && directive.conversion != L'[')
                SkipSpace(peek);
            if (!*peek)
                break;
            int result = conversion(args, &input, directive.conversion, directive.flags, directive.width, &format);
            if (result < 0)
                break;
            if (!(directive.flags & ZAF_SCANF_SUPPRESS) && result > 0)
                ++assigned;
            continue;
        }
        SkipSpace(input);
        bool matched = false;
        switch (directive.conversion)
        {
        case L'd': case L'i': case L'u': case L'o': case L'x': case L'X':
        {
            int64_t value;
            if ((matched = ScanInteger(input, directive, value)) && !(directive.flags & ZAF_SCANF_SUPPRESS))
                StoreInteger(args, directive, value);
            break;
        }
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G':
        {
            long double value;
            if ((matched = ScanReal(input, directive, value)) && !(directive.flags & ZAF_SCANF_SUPPRESS))
                StoreReal(args, directive, value);
            break;
        }
        default:
            break;
        }
        if (!matched)
            break;
        if (!(directive.flags & ZAF_SCANF_SUPPRESS))
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
