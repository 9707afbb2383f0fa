#pragma once
// KZHotKeyText: a label with its hot-key marker taken out. "&" marks the
// character after it as the hot key (only the first one counts) and "&&"
// stands for one "&". A value object.

#include <cstdint>

#include "foundation/strings/KString.h"

class KZHotKeyText
{
public:
    explicit KZHotKeyText(const wchar_t *text);

    // The text without markers.
    const KString &Text() const { return text; }
    // The hot-key character, 0 for none.
    wchar_t HotKey() const { return hotKey; }
    // Its index in Text(), -1 for none.
    int32_t HotKeyPosition() const { return position; }

private:
    KString text;
    wchar_t hotKey = 0;
    int32_t position = -1;
};
