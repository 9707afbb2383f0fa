// The wide formatted output engine: walks the format, takes flags, width and
// precision, formats numbers itself and hands every other conversion to the
// registered table. All writing goes through a bounded ZafFormatOutput.

#include "framework/core/text/ZafPrintf.h"
#include "framework/core/text/ZafDirectiveFlags.h"
#include "framework/core/text/ZafFormatTables.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

struct Directive
{
    int flags = 0;
    int width = 0;
    int precision = -1;
    wchar_t conversion = 0;
};

// Writes prefix and body as one field of the given width.
void EmitField(ZafFormatOutput &out, const wchar_t *prefix, const wchar_t *body, int bodyLength,
    const Directive &directive, bool zeroAllowed)
{
    int prefixLength = 0;
    while (prefix[prefixLength])
        ++prefixLength;
    int pad = directive.width - prefixLength - bodyLength;
    bool left = directive.flags & ZAF_PRINTF_LEFT;
    bool zero = !left && zeroAllowed && (directive.flags & ZAF_PRINTF_ZERO);
    if (pad > 0 && !left && !zero)
        out.Fill(L' ', pad);
    out.Put(prefix, prefixLength);
    if (pad > 0 && zero)
        out.Fill(L'0', pad);
    out.Put(body, bodyLength);
    if (pad > 0 && left)
        out.Fill(L' ', pad);
}

// Inserts the thousands separator into the run of digits at text[0..count)
// following the grouping list; answers the new length. The result must fit in
// capacity characters.
int GroupDigits(wchar_t *text, int count, int capacity, const ZafNumberConventions &conventions)
{
    wchar_t digits[128];
    if (count > 127)
        return count;
    std::memcpy(digits, text, sizeof(wchar_t) * size_t(count));
    int separatorLength = int(std::wcslen(conventions.thousands));
    wchar_t reversed[256];
    int n = 0, inGroup = 0, groupIndex = 0;
    int groupSize = conventions.grouping[0];
    for (int i = count - 1; i >= 0; --i)
    {
        if (groupSize > 0 && inGroup == groupSize && n + separatorLength < 250)
        {
            for (int s = separatorLength - 1; s >= 0; --s)
                reversed[n++] = conventions.thousands[s];
            inGroup = 0;
            // The last size in the list repeats; a 0 after it ends the list.
            if (conventions.grouping[groupIndex + 1])
                groupSize = conventions.grouping[++groupIndex];
        }
        reversed[n++] = digits[i];
        ++inGroup;
    }
    if (n > capacity)
        return count;
    for (int i = 0; i < n; ++i)
        text[i] = reversed[n - 1 - i];
    return n;
}

// A currency amount: body (digits with monetary separators) with the symbol
// and sign placed as the locale says, padded with blanks to the width.
void EmitCurrency(ZafFormatOutput &out, bool negative, const wchar_t *body, int bodyLength, const Directive &directive,
    const ZafNumberConventions &conventions)
{
    wchar_t text[512];
    int n = 0;
    auto put = [&](const wchar_t *part, int length) {
        for (int i = 0; i < length && n < 510; ++i)
            text[n++] = part[i];
    };
    auto putText = [&](const wchar_t *part) { put(part, int(std::wcslen(part))); };
    const wchar_t *sign = negative ? conventions.negativeSign : conventions.positiveSign;
    int position = negative ? conventions.negativeSignPosition : 1;
    bool precedes = negative ? conventions.negativePrecedes : conventions.positivePrecedes;
    bool space = negative ? conventions.negativeSpace : conventions.positiveSpace;
    auto putSymbol = [&]() {
        if (position == 3)
            putText(sign);
        putText(conventions.symbol);
        if (position == 4)
            putText(sign);
    };
    if (position == 0 && negative)
        putText(L"(");
    else if (position == 1)
        putText(sign);
    if (precedes)
    {
        putSymbol();
        if (space)
            putText(L" ");
        put(body, bodyLength);
    }
    else
    {
        put(body, bodyLength);
        if (space)
            putText(L" ");
        putSymbol();
    }
    if (position == 0 && negative)
        putText(L")");
    else if (position == 2)
        putText(sign);
    Directive blanks = directive;
    blanks.flags &= ~ZAF_PRINTF_ZERO;
    EmitField(out, L"", text, n, blanks, false);
}

void FormatInteger(ZafFormatOutput &out, va_list *args, const Directive &directive)
{
    bool isSigned = directive.conversion == L'd' || directive.conversion == L'i';
    int64_t value;
    if (directive.flags & ZAF_PRINTF_DATA)
    {
        const void *data = va_arg(*args, const void *);
        value = data && zafNumberDataAccess.integerValue ? zafNumberDataAccess.integerValue(data) : 0;
    }
    else if (directive.flags & ZAF_PRINTF_QUAD)
        value = isSigned ? int64_t(va_arg(*args, long long)) : int64_t(va_arg(*args, unsigned long long));
    else if (isSigned)
        value = (directive.flags & ZAF_PRINTF_SHORT) ? int64_t(short(va_arg(*args, int))) : int64_t(va_arg(*args, int));
    else
        value = (directive.flags & ZAF_PRINTF_SHORT) ? int64_t(static_cast<unsigned short>(va_arg(*args, unsigned int)))
                                                 : int64_t(va_arg(*args, unsigned int));

    int radix = 10;
    if (directive.conversion == L'o')
        radix = 8;
    else if (directive.conversion == L'x' || directive.conversion == L'X' || directive.conversion == L'p')
        radix = 16;
    const wchar_t *digitSet = directive.conversion == L'X' ? L"0123456789ABCDEF" : L"0123456789abcdef";
    bool negative = isSigned && value < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    if (!isSigned && !(directive.flags & ZAF_PRINTF_QUAD) && !(directive.flags & ZAF_PRINTF_DATA))
        magnitude &= 0xFFFFFFFFu;

    wchar_t body[192];
    wchar_t reversed[72];
    int count = 0;
    if (!(magnitude == 0 && directive.precision == 0))
        do
        {
            reversed[count++] = digitSet[magnitude % uint64_t(radix)];
            magnitude /= uint64_t(radix);
        } while (magnitude);
    int precision = directive.precision < 64 ? directive.precision : 64;
    int length = 0;
    for (int i = count; i < precision; ++i)
        body[length++] = L'0';
    if (directive.conversion == L'o' && (directive.flags & ZAF_PRINTF_ALTERNATE) && (count == 0 || reversed[count - 1] != L'0')
        && length == 0)
        body[length++] = L'0';
    while (count)
        body[length++] = reversed[--count];
    bool currency = (directive.flags & ZAF_PRINTF_CURRENCY) && radix == 10;
    if (((directive.flags & ZAF_PRINTF_GROUP) || currency) && radix == 10)
    {
        ZafNumberConventions conventions;
        ZafGetNumberConventions(conventions, currency);
        length = GroupDigits(body, length, 190, conventions);
        if (currency)
        {
            EmitCurrency(out, negative, body, length, directive, conventions);
            return;
        }
    }

    wchar_t prefix[4] = {0};
    if (negative)
        prefix[0] = L'-';
    else if (isSigned && (directive.flags & ZAF_PRINTF_PLUS))
        prefix[0] = L'+';
    else if (isSigned && (directive.flags & ZAF_PRINTF_BLANK))
        prefix[0] = L' ';
    else if (radix == 16 && (directive.flags & ZAF_PRINTF_ALTERNATE) && length && !(length == 1 && body[0] == L'0'))
    {
        prefix[0] = L'0';
        prefix[1] = directive.conversion == L'X' ? L'X' : L'x';
    }
    EmitField(out, prefix, body, length, directive, directive.precision < 0);
}

void FormatReal(ZafFormatOutput &out, va_list *args, const Directive &directive)
{
    long double value;
    if (directive.flags & ZAF_PRINTF_DATA)
    {
        const void *data = va_arg(*args, const void *);
        value = data && zafNumberDataAccess.realValue ? zafNumberDataAccess.realValue(data) : 0.0;
    }
    else if (directive.flags & ZAF_PRINTF_LONG_DOUBLE)
        value = va_arg(*args, long double);
    else
        value = va_arg(*args, double);

    bool upper = directive.conversion == L'E' || directive.conversion == L'G';
    bool negative = std::signbit(value);
    wchar_t prefix[2] = {0};
    if (negative)
        prefix[0] = L'-';
    else if (directive.flags & ZAF_PRINTF_PLUS)
        prefix[0] = L'+';
    else if (directive.flags & ZAF_PRINTF_BLANK)
        prefix[0] = L' ';
    wchar_t body[400];
    int length = 0;
    if (std::isnan(value) || std::isinf(value))
    {
        const char *text = std::isnan(value) ? (upper ? "NAN" : "nan") : (upper ? "INF" : "inf");
        for (; text[length]; ++length)
            body[length] = wchar_t(text[length]);
        EmitField(out, prefix, body, length, directive, false);
        return;
    }

    char format[16];
    char *f = format;
    *f++ = '%';
    if (directive.flags & ZAF_PRINTF_ALTERNATE)
        *f++ = '#';
    *f++ = '.';
    *f++ = '*';
    *f++ = 'L';
    *f++ = char(directive.conversion);
    *f = 0;
    bool currency = directive.flags & ZAF_PRINTF_CURRENCY;
    bool localised = directive.flags & (ZAF_PRINTF_GROUP | ZAF_PRINTF_CURRENCY);
    ZafNumberConventions conventions;
    if (localised)
        ZafGetNumberConventions(conventions, currency);
    int precision = directive.precision < 0 ? (currency ? conventions.digits : 6) : (directive.precision > 60 ? 60 : directive.precision);
    char text[400];
    // Very large values in %f form have up to 4933 digits; cap them in the
    // buffer rather than overflow (the field is then cut, never written past).
#ifdef __MINGW32__
    int made = __mingw_snprintf(text, sizeof text, format, precision, negative ? -value : value);
#else
    int made = std::snprintf(text, sizeof text, format, precision, negative ? -value : value);
#endif
    if (made < 0)
        made = 0;
    if (made >= int(sizeof text))
        made = int(sizeof text) - 1;

    int integerDigits = 0;
    while (integerDigits < made && text[integerDigits] >= '0' && text[integerDigits] <= '9')
        ++integerDigits;
    for (int i = 0; i < integerDigits; ++i)
        body[length++] = wchar_t(text[i]);
    if (localised && std::strchr(text, 'e') == nullptr && std::strchr(text, 'E') == nullptr)
        length = GroupDigits(body, length, 200, conventions);
    for (int i = integerDigits; i < made && length < 390; ++i)
    {
        if (text[i] == '.' && localised)
            for (const wchar_t *d = conventions.decimal; *d; ++d)
                body[length++] = *d;
        else
            body[length++] = wchar_t(text[i]);
    }
    if (currency)
        EmitCurrency(out, negative, body, length, directive, conventions);
    else
        EmitField(out, prefix, body, length, directive, true);
}

constexpr ZafDirectiveFlag leadingFlags[] = {
    { L'#', ZAF_PRINTF_ALTERNATE }, { L'-', ZAF_PRINTF_LEFT }, { L'0', ZAF_PRINTF_ZERO },
    { L' ', ZAF_PRINTF_BLANK }, { L'+', ZAF_PRINTF_PLUS }, { L'$', ZAF_PRINTF_CURRENCY },
    { L'@', ZAF_PRINTF_AT }, { L',', ZAF_PRINTF_GROUP }, { L'Z', ZAF_PRINTF_DATA },
    { L'a', ZAF_PRINTF_A }, { 0, 0 },
};
constexpr ZafDirectiveFlag sizeFlags[] = {
    { L'L', ZAF_PRINTF_LONG_DOUBLE }, { L'l', ZAF_PRINTF_LONG }, { L'q', ZAF_PRINTF_QUAD },
    { L'h', ZAF_PRINTF_SHORT }, { 0, 0 },
};

// Reads flags, width and precision after a "%"; leaves format on the
// conversion character.
void ParseDirective(const wchar_t *&format, va_list *args, Directive &directive)
{
    ZafReadDirectiveFlags(format, leadingFlags, directive.flags);
    if (*format == L'*')
    {
        directive.width = va_arg(*args, int);
        if (directive.width < 0)
        {
            directive.flags |= ZAF_PRINTF_LEFT;
            directive.width = directive.width == INT_MIN ? 0 : -directive.width;
        }
        ++format;
    }
    else
        ZafReadDirectiveCount(format, directive.width);
    if (*format == L'.')
    {
        ++format;
        directive.precision = 0;
        if (*format == L'*')
        {
            directive.precision = va_arg(*args, int);
            if (directive.precision < 0)
                directive.precision = -1;
            ++format;
        }
        else
            ZafReadDirectiveCount(format, directive.precision);
    }
    ZafReadDirectiveFlags(format, sizeFlags, directive.flags);
    // "ll" is the usual spelling of a 64-bit integer.
    directive.conversion = *format;
}

void Format(ZafFormatOutput &out, const wchar_t *format, va_list *args)
{
    ZafEnsureStringConversions();
    while (format && *format)
    {
        if (*format != L'%')
        {
            out.Put(*format++);
            continue;
        }
        ++format;
        Directive directive;
        const wchar_t *start = format;
        ParseDirective(format, args, directive);
        for (const wchar_t *p = start; p < format; ++p)
            if (p[0] == L'l' && p[1] == L'l')
                directive.flags |= ZAF_PRINTF_QUAD;
        if (!*format)
            break;
        ++format;
        ZafOutputConversion conversion = ZafFindOutputConversion(directive.conversion);
        if (conversion)
        {
            if (conversion(args, &out, directive.conversion, directive.flags, directive.width, directive.precision) < 0)
                break;
            continue;
        }
        switch (directive.conversion)
        {
        case L'd': case L'i': case L'u': case L'o': case L'x': case L'X':
            FormatInteger(out, args, directive);
            break;
        case L'p':
            directive.flags |= ZAF_PRINTF_ZERO;
            directive.flags &= ~ZAF_PRINTF_DATA;
            if (directive.width == 0)
                directive.width = 8;
            FormatInteger(out, args, directive);
            break;
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G':
            FormatReal(out, args, directive);
            break;
        case L'n':
            if (int *count = va_arg(*args, int *))
                *count = out.Written();
            break;
        default:
        {
            // "%%" and letters that nothing claims stand for themselves, as a
            // one-character field.
            wchar_t c = directive.conversion;
            EmitField(out, L"", &c, 1, directive, true);
            break;
        }
        }
    }
    out.Terminate();
}

} // namespace

int ZafVSNPrintf(wchar_t *buffer, int size, const wchar_t *format, va_list args)
{
    ZafFormatOutput out(buffer, size);
    va_list copy;
    va_copy(copy, args);
    Format(out, format, &copy);
    va_end(copy);
    return out.Written();
}

int ZafSNPrintf(wchar_t *buffer, int size, const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    int n = ZafVSNPrintf(buffer, size, format, args);
    va_end(args);
    return n;
}

int ZafVSPrintfLength(const wchar_t *format, va_list args)
{
    ZafFormatOutput out(nullptr, 0);
    va_list copy;
    va_copy(copy, args);
    Format(out, format, &copy);
    va_end(copy);
    return out.Wanted();
}

int ZafVSPrintf(wchar_t *buffer, const wchar_t *format, va_list args)
{
    // The classic form: the caller has sized the buffer for the result.
    return ZafVSNPrintf(buffer, -1, format, args);
}

int ZafSPrintf(wchar_t *buffer, const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    int n = ZafVSPrintf(buffer, format, args);
    va_end(args);
    return n;
}
