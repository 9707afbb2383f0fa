#include "chart/backend/bf_TextExtents.h"

#include <cstdint>
#include <cwchar>

std::wstring bf_TextExtents::Key(const void *font, const wchar_t *text, int length)
{
    // The font's handle as hexadecimal digits, a separator no text holds,
    // then the text.
    wchar_t prefix[2 * sizeof(uintptr_t) + 2];
    std::swprintf(prefix, sizeof prefix / sizeof prefix[0], L"%jx\x1f", uintmax_t(uintptr_t(font)));
    std::wstring key(prefix);
    if (length < 0)
        key.append(text);
    else
        key.append(text, size_t(length));
    return key;
}

bool bf_TextExtents::Find(const void *font, const wchar_t *text, int length, cf_2DRect &extent) const
{
    const auto found = extents.find(Key(font, text, length));
    if (found == extents.end())
        return false;
    extent = found->second;
    return true;
}

void bf_TextExtents::Keep(const void *font, const wchar_t *text, int length, const cf_2DRect &extent)
{
    extents[Key(font, text, length)] = extent;
}
