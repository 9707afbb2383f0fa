#include "chart/values/cf_String.h"

#include "chart/values/cf_Format.h"
#include "framework/core/text/ZafStrings.h"

#include <cwchar>
#include <string>

namespace {

int TextLength(const wchar_t *text)
{
    return text ? ZafStrLen(text) : 0;
}

} // namespace

cf_String::cf_String() : text(nullptr), capacity(0), length(0)
{
    Assign(L"", 0, 1);
}

cf_String::cf_String(const cf_String &other) : text(nullptr), capacity(0), length(0)
{
    Assign(other.text, other.length, other.capacity);
}

cf_String::cf_String(const wchar_t *source) : text(nullptr), capacity(0), length(0)
{
    Assign(source, TextLength(source), 1);
}

cf_String::cf_String(double value, const wchar_t *fmt, int room)
    : text(nullptr), capacity(0), length(0)
{
    SetFormatted(value, fmt, room);
}

cf_String::cf_String(int value, const wchar_t *fmt, int room)
    : text(nullptr), capacity(0), length(0)
{
    SetFormatted(value, fmt, room);
}

cf_String::~cf_String()
{
    delete[] text;
}

cf_String &cf_String::operator=(const cf_String &other)
{
    if (this != &other)
        Assign(other.text, other.length, other.capacity);
    return *this;
}

cf_String &cf_String::operator=(const wchar_t *source)
{
    if (source != text)
        Assign(source, TextLength(source), 1);
    return *this;
}

cf_String &cf_String::Append(const wchar_t *more)
{
    int extra = TextLength(more);
    if (extra == 0)
        return *this;
    std::wstring joined(text, std::size_t(length));
    joined.append(more, std::size_t(extra));
    Assign(joined.c_str(), int(joined.size()), 1);
    return *this;
}

void cf_String::SetFormatted(double value, const wchar_t *fmt, int room)
{
    std::wstring formatted = cf_Format::Double(value, fmt);
    Assign(formatted.c_str(), int(formatted.size()), room);
}

void cf_String::SetFormatted(int value, const wchar_t *fmt, int room)
{
    std::wstring formatted = cf_Format::Int(value, fmt);
    Assign(formatted.c_str(), int(formatted.size()), room);
}

void cf_String::Clear()
{
    Assign(L"", 0, 1);
}

bool cf_String::operator==(const wchar_t *other) const
{
    return std::wcscmp(text, other ? other : L"") == 0;
}

// Copies sourceLength characters into a fresh buffer of at least minCapacity
// characters; the source may be this string's own buffer.
void cf_String::Assign(const wchar_t *source, int sourceLength, int minCapacity)
{
    int newCapacity = sourceLength + 1;
    if (newCapacity < minCapacity)
        newCapacity = minCapacity;
    wchar_t *buffer = new wchar_t[std::size_t(newCapacity)];
    if (sourceLength > 0)
        std::wmemcpy(buffer, source, std::size_t(sourceLength));
    buffer[sourceLength] = L'\0';
    delete[] text;
    text = buffer;
    capacity = newCapacity;
    length = sourceLength;
}
