#pragma once
// The framework's wide formatted output and input engines, with tables of
// registered conversions that extend them (the string data registers %c, %s
// and %[ this way).
//
// Output: ZafSPrintf/ZafVSPrintf keep the classic signatures for callers that
// have always sized their buffers; the framework's own code formats with the
// bounded ZafSNPrintf/ZafVSNPrintf, which never write more than size
// characters (terminator included) and always terminate.
// Input: ZafSScanf answers the number of assignments.
// The conversion tables are process-wide; register from the GUI thread.

#include <cstdarg>

// Flag bits the output engine passes to a conversion.
enum ZafPrintfFlag
{
    ZAF_PRINTF_ALTERNATE = 0x0001,    // "#"
    ZAF_PRINTF_LEFT = 0x0004,         // "-": left-justify
    ZAF_PRINTF_LONG_DOUBLE = 0x0008,  // "L"
    ZAF_PRINTF_LONG = 0x0010,         // "l"
    ZAF_PRINTF_QUAD = 0x0020,         // "q": 64-bit integer
    ZAF_PRINTF_SHORT = 0x0040,        // "h"
    ZAF_PRINTF_ZERO = 0x0080,         // "0": zero fill
    ZAF_PRINTF_A = 0x0100,            // "a"
    ZAF_PRINTF_CURRENCY = 0x0200,     // "$": the locale's currency form
    ZAF_PRINTF_AT = 0x0400,           // "@"
    ZAF_PRINTF_GROUP = 0x0800,        // ",": the locale's thousands grouping
    ZAF_PRINTF_BLANK = 0x1000,        // " ": blank before a positive number
    ZAF_PRINTF_PLUS = 0x2000,         // "+": sign before a positive number
    ZAF_PRINTF_DATA = 0x4000,         // "Z": the argument is a data object
};

// Flag bits the input engine passes to a conversion.
enum ZafScanfFlag
{
    ZAF_SCANF_LONG = 0x0001,          // "l"
    ZAF_SCANF_SHORT = 0x0002,         // "h"
    ZAF_SCANF_SUPPRESS = 0x0004,      // "*": match without assigning
    ZAF_SCANF_LONG_DOUBLE = 0x0008,   // "L"
    ZAF_SCANF_NO_SKIP = 0x0010,       // set by a conversion that takes white space itself
    ZAF_SCANF_CURRENCY = 0x0200,      // "$"
    ZAF_SCANF_AT = 0x0400,            // "@"
    ZAF_SCANF_GROUP = 0x0800,         // ",": thousands separators allowed
    ZAF_SCANF_DATA = 0x4000,          // "Z": the argument is a data object
};

// Where an output conversion writes: a bounded run of characters. Put and
// Fill stop at the limit (room for the terminator is always kept) but go on
// counting, so Wanted() tells how long the whole result would have been.
class ZafFormatOutput
{
public:
    // size < 0: the caller vouches for the room (the classic ZafSPrintf).
    ZafFormatOutput(wchar_t *buffer, int size);
    void Put(wchar_t c);
    void Put(const wchar_t *text, int length);
    void Fill(wchar_t c, int count);
    void Terminate();                    // writes the terminator at the position
    int Written() const { return written; }
    int Wanted() const { return wanted; }
    wchar_t *Position() const { return position; }

private:
    wchar_t *position;
    wchar_t *limit;                      // the terminator's slot; null when size is 0
    int written = 0;
    int wanted = 0;
    bool unbounded;
};

// An output conversion: takes its argument(s) from args, writes to output,
// answers 0 (or a negative value to stop the engine). Precision -1 = none.
typedef int (*ZafOutputConversion)(va_list *args, ZafFormatOutput *output, wchar_t conversion,
    int flags, int width, int precision);
// An input conversion: reads from *input (left on the first character not
// taken) and may advance *format (a scan set); answers 1 for a match, a
// negative value to stop the scan.
typedef int (*ZafInputConversion)(va_list *args, const wchar_t **input, wchar_t conversion,
    int flags, int width, const wchar_t **format);

// Append an entry to the engine's table; a later entry for the same character
// takes precedence. Answers 0, or -1 when the table is full.
int ZafRegisterOutputConversion(wchar_t conversion, ZafOutputConversion function);
int ZafRegisterInputConversion(wchar_t conversion, ZafInputConversion function);

int ZafSPrintf(wchar_t *buffer, const wchar_t *format, ...);
int ZafVSPrintf(wchar_t *buffer, const wchar_t *format, va_list args);
// Bounded forms: at most size - 1 characters and a terminator (nothing when
// size is 0); answer the number of characters written.
int ZafSNPrintf(wchar_t *buffer, int size, const wchar_t *format, ...);
int ZafVSNPrintf(wchar_t *buffer, int size, const wchar_t *format, va_list args);
// The length the whole result has (it may exceed what ZafSNPrintf wrote).
int ZafVSPrintfLength(const wchar_t *format, va_list args);

int ZafSScanf(const wchar_t *text, const wchar_t *format, ...);
int ZafVSScanf(const wchar_t *text, const wchar_t *format, va_list args);
