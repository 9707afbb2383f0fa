#pragma once
// Character case and class for wide characters of the whole Basic
// Multilingual Plane (not only ASCII), independent of the C runtime's locale.
// Surrogate halves are answered unchanged. Any thread.

#include "framework/core/base/ZafTypes.h"

// The upper (lower) case of the character; the character itself when it
// has no single-character other case.
ZafIChar ZafToUpper(ZafIChar c);
ZafIChar ZafToLower(ZafIChar c);
// White space: U+0009-000D, U+0020, U+00A0, U+2000-200B, U+2028-2029,
// U+3000 and U+FEFF.
bool ZafIsSpace(ZafIChar c);
// The value of an ASCII digit or letter as a digit of a base up to 36 (0-9,
// then a/A 10 ... z/Z 35); 99 for any other character.
int ZafDigitValue(ZafIChar c);
// Upper-case (lower-case) letters.
bool ZafIsUpper(ZafIChar c);
bool ZafIsLower(ZafIChar c);
