#include "foundation/strings/KText.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

wchar_t KTextToUpper(wchar_t c)
{
    WCHAR one = c;
    CharUpperBuffW(&one, 1);
    return one;
}

wchar_t KTextToLower(wchar_t c)
{
    WCHAR one = c;
    CharLowerBuffW(&one, 1);
    return one;
}

bool KTextIsSpace(wchar_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || (c >= 0x2000 && c <= 0x200B) ||
           c == 0x2028 || c == 0x2029 || c == 0x3000 || c == 0xFEFF;
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

} // namespace

int KTextFormatInt(wchar_t *buffer, int capacity, const wchar_t *format, int32_t value)
{
    if (!buffer || capacity <= 0)
        return -1;
    buffer[0] = 0;
    if (!format || !IsSafeIntFormat(format))
        return -1;
    int n = _snwprintf(buffer, size_t(capacity), format, int(value));
    if (n < 0 || n >= capacity) {
        buffer[0] = 0;
        return -1;
    }
    buffer[n] = 0;
    return n;
}

int KTextAnsiToWide(const char *text, int length, wchar_t *buffer, int capacity)
{
    if (!text)
        return 0;
    if (length < 0)
        length = int(std::strlen(text));
    if (length == 0)
        return 0;
    if (!buffer)
        return MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (capacity <= 0)
        return 0;
    int n = MultiByteToWideChar(CP_ACP, 0, text, length, buffer, capacity);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        // Convert everything, then keep what fits.
        int need = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
        std::vector<wchar_t> all(size_t(need > 0 ? need : 1));
        need = MultiByteToWideChar(CP_ACP, 0, text, length, all.data(), need);
        n = need < capacity ? need : capacity;
        std::wmemcpy(buffer, all.data(), size_t(n > 0 ? n : 0));
    }
    return n;
}

int KTextWideToAnsi(const wchar_t *text, int length, char *buffer, int capacity)
{
    if (!text)
        return 0;
    if (length < 0)
        length = int(std::wcslen(text));
    if (length == 0)
        return 0;
    if (!buffer)
        return WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (capacity <= 0)
        return 0;
    int n = WideCharToMultiByte(CP_ACP, 0, text, length, buffer, capacity, nullptr, nullptr);
    if (n == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        int need = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
        std::vector<char> all(size_t(need > 0 ? need : 1));
        need = WideCharToMultiByte(CP_ACP, 0, text, length, all.data(), need, nullptr, nullptr);
        n = need < capacity ? need : capacity;
        std::memcpy(buffer, all.data(), size_t(n > 0 ? n : 0));
    }
    return n;
}
