#pragma once
// The character services the foundation needs: case mapping, white space,
// printf-style formatting of one integer and 8-bit to wide conversion.
// There is exactly one function for each need; every string operation of the
// foundation goes through these, so that a single place decides how text is
// classified and converted. They are the framework's services: case, white
// space and formatting may be used from any thread; the conversions use the
// framework's shared code set, which the GUI thread makes at start-up.

#include <cstdint>

// Unicode case mapping; the character itself when it has no other case.
wchar_t KTextToUpper(wchar_t c);
wchar_t KTextToLower(wchar_t c);

// White space: U+0009-U+000D, U+0020, U+00A0, U+2000-U+200B, U+2028,
// U+2029, U+3000 and U+FEFF.
bool KTextIsSpace(wchar_t c);

// The value of an ASCII digit or letter as a digit of a base up to 36 (0-9,
// then a/A 10 ... z/Z 35); 99 for any other character.
int KTextDigitValue(wchar_t c);

// Formats value with a printf-style format holding at most one integer
// conversion (d, i, u, x, X, o or c with flags, width and precision; "%%" for
// a percent sign) into buffer, which holds capacity characters including the
// terminating 0. Answers the number of characters written, or -1 when the
// format asks for anything else (a text or pointer conversion, "*", a second
// conversion, a width above 255) or the result does not fit; the buffer then
// holds an empty text.
int KTextFormatInt(wchar_t *buffer, int capacity, const wchar_t *format, int32_t value);

// Converts length bytes of 8-bit text in the system's ANSI code page (length
// -1: up to the terminating 0) into buffer (capacity characters, no
// terminator added). With a null buffer answers the number of characters the
// conversion needs. Answers the number of characters written.
int KTextAnsiToWide(const char *text, int length, wchar_t *buffer, int capacity);

// The reverse: length wide characters (-1: up to the terminating 0) into
// 8-bit text of the ANSI code page; characters without an 8-bit form become
// "?". Same buffer rules as above.
int KTextWideToAnsi(const wchar_t *text, int length, char *buffer, int capacity);

// True when length wide characters (-1: up to the terminating 0) come back
// unchanged from 8-bit text of the ANSI code page: none becomes "?" or a
// look-alike.
bool KTextAnsiHolds(const wchar_t *text, int length);
