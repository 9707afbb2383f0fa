#include "foundation/strings/KText.h"

#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/text/ZafPrintf.h"

#include <cstdarg>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>

// The foundation stands on the framework's character classes, formatter and
// code set, so that the whole program classifies and converts text alike.

wchar_t KTextToUpper(wchar_t c)
{
    return ZafToUpper(c);
}

wchar_t KTextToLower(wchar_t c)
{
    return ZafToLower(c);
}

bool KTextIsSpace(wchar_t c)
{
    return ZafIsSpace(c);
}

int KTextDigitValue(wchar_t c)
{
    return ZafDigitValue(c);
}

namespace {

// Reads a run of digits; false when the number exceeds limit.
bool SkipNumber(const wchar_t *&p, int limit)
{
    int n = 0;
    while (*p >= L'0' && *p <= L'9') {
        n = n * 10 + (*p++ - L'0');
        if (n > limit)
            return false;
    }
    return true;
}

// True when format holds at most one conversion, and that one takes an int.
bool IsSafeIntFormat(const wchar_t *format)
{
    int conversions = 0;
    for (const wchar_t *p = format; *p; ++p) {
        if (*p != L'%')
            continue;
        ++p;
        if (*p == L'%')
            continue;
        while (*p && std::wcschr(L"-+ #0", *p))
            ++p;
        if (!SkipNumber(p, 255))
            return false;
        if (*p == L'.') {
            ++p;
            if (!SkipNumber(p, 255))
                return false;
        }
        if (*p == L'l' || *p == L'h')
            ++p;
        if (!*p || !std::wcschr(L"diuxXoc", *p))
            return false;
        if (++conversions > 1)
            return false;
    }
    return true;
}

// The code set converts terminated texts; embedded NULs are kept by
// converting the pieces between them and putting one NUL for each.
// convert(piece) answers the converted piece as a new[] allocation.
template <typename To, typename From, typename Convert>
std::basic_string<To> ConvertPieces(const From *text, int length, Convert convert)
{
    std::basic_string<To> out;
    int start = 0;
    while (start <= length) {
        int end = start;
        while (end < length && text[end] != 0)
            ++end;
        if (end > start) {
            std::basic_string<From> piece(text + start, size_t(end - start));
            std::unique_ptr<To[]> converted(convert(piece.c_str()));
            out += converted.get();
        }
        if (end < length)
            out += To(0);
        start = end + 1;
    }
    return out;
}

std::string ToLocal(const wchar_t *text, int length)
{
    ZafCodeSetData *codeSet = ZafCodeSetData::Shared();
    return ConvertPieces<char>(text, length, [codeSet](const wchar_t *piece) {
        return codeSet->WideToLocal(piece, nullptr, true);
    });
}

std::wstring ToWide(const char *text, int length)
{
    ZafCodeSetData *codeSet = ZafCodeSetData::Shared();
    return ConvertPieces<wchar_t>(text, length, [codeSet](const char *piece) {
        return codeSet->LocalToWide(piece, nullptr, true);
    });
}

// Copies what fits of a converted text; answers the count copied, or the
// full count when there is no buffer.
template <typename Char>
int CopyOut(const std::basic_string<Char> &converted, Char *buffer, int capacity)
{
    const int count = int(converted.size());
    if (!buffer)
        return count;
    const int n = count < capacity ? count : (capacity > 0 ? capacity : 0);
    std::memcpy(buffer, converted.data(), size_t(n) * sizeof(Char));
    return n;
}

// Converts length characters of text (all of it when length is negative)
// with convert and copies what fits into buffer; see KTextAnsiToWide.
template <typename From, typename To>
int ConvertInto(const From *text, int length, To *buffer, int capacity,
                std::basic_string<To> (*convert)(const From *, int))
{
    if (!text)
        return 0;
    if (length < 0)
        length = int(std::char_traits<From>::length(text));
    if (length == 0 || (buffer && capacity <= 0))
        return 0;
    return CopyOut(convert(text, length), buffer, capacity);
}

int FormattedLength(const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    int n = ZafVSPrintfLength(format, args);
    va_end(args);
    return n;
}

} // namespace

int KTextFormatInt(wchar_t *buffer, int capacity, const wchar_t *format, int32_t value)
{
    if (!buffer || capacity <= 0)
        return -1;
    buffer[0] = 0;
    if (!format || !IsSafeIntFormat(format))
        return -1;
    if (FormattedLength(format, int(value)) >= capacity)
        return -1;
    return ZafSNPrintf(buffer, capacity, format, int(value));
}

int KTextAnsiToWide(const char *text, int length, wchar_t *buffer, int capacity)
{
    return ConvertInto(text, length, buffer, capacity, ToWide);
}

int KTextWideToAnsi(const wchar_t *text, int length, char *buffer, int capacity)
{
    return ConvertInto(text, length, buffer, capacity, ToLocal);
}

bool KTextAnsiHolds(const wchar_t *text, int length)
{
    if (!text)
        return true;
    if (length < 0)
        length = int(std::wcslen(text));
    const std::string local = ToLocal(text, length);
    return ToWide(local.data(), int(local.size())) == std::wstring(text, size_t(length));
}
