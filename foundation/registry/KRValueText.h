#pragma once
// Helpers shared by the value nodes' parsers (not part of the public API).

#include "foundation/strings/KString.h"

#include <cstdint>

namespace KRValueText
{
// value := the integer that makes up the whole text (blanks around it
// allowed; automatic radix, optional sign); false when there is none.
bool ParseWholeInt(const KString &text, int32_t &value);
// first and second := the integers of "first <separator> second" making up
// the whole text (blanks allowed around each part and before the
// separator). When secondOptional, the text may be first alone and second
// keeps its value. False, both unchanged, when the text is not of that form.
bool ParseIntPair(const KString &text, const wchar_t *separator, bool secondOptional, int32_t &first,
                  int32_t &second);
// True when only white space is left from the text's read cursor on.
bool RestIsBlank(KString &text);
} // namespace KRValueText
