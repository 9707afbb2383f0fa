#pragma once
// Helpers shared by the value nodes' parsers (not part of the public API).

#include "foundation/strings/KString.h"

#include <cstdint>

namespace KRValueText
{
// value := the integer that makes up the whole text (blanks around it
// allowed; automatic radix, optional sign); false when there is none.
bool ParseWholeInt(const KString &text, int32_t &value);
// True when only white space is left from the text's read cursor on.
bool RestIsBlank(KString &text);
} // namespace KRValueText
