#pragma once
// Inside the formatted-text engines: lookup in the conversion tables, the
// number conventions the engines format with, and the one-time registration
// of the string conversions. Not for use outside framework/core.

#include "framework/core/text/ZafPrintf.h"

ZafOutputConversion ZafFindOutputConversion(wchar_t conversion);
ZafInputConversion ZafFindInputConversion(wchar_t conversion);

// Separators and grouping used by the "," and "$" flags.
struct ZafNumberConventions
{
    wchar_t decimal[8];
    wchar_t thousands[8];
    unsigned char grouping[20];       // group sizes from the right, ended by 0
    // The currency form of the "$" flag.
    wchar_t symbol[8];
    wchar_t positiveSign[4];
    wchar_t negativeSign[4];
    int digits;                       // default precision of a currency amount
    int positivePrecedes, positiveSpace;
    int negativePrecedes, negativeSpace;
    int negativeSignPosition;         // 0 parentheses, 1 before all, 2 after all, 3/4 before/after the symbol
};
// The locale's conventions (monetary ones when monetary is true).
void ZafGetNumberConventions(ZafNumberConventions &conventions, bool monetary);

// Registers the %c, %s and %[ conversions once; both engines call it first.
void ZafEnsureStringConversions();

// White space as the framework defines it.
bool ZafFormatIsSpace(wchar_t c);

// Access to the values of the data objects that "%Zd" and "%Zf" format and
// scan; the integer and real data classes install these when they register
// (null until then: the engines then read 0 and assign nothing).
struct ZafNumberDataAccess
{
    long long (*integerValue)(const void *integerData);
    void (*setIntegerValue)(void *integerData, long long value);
    long double (*realValue)(const void *realData);
    void (*setRealValue)(void *realData, long double value);
};
extern ZafNumberDataAccess zafNumberDataAccess;

// Access to string data objects for "%Zs", "%Zc" and "%Z["; installed by the
// string data.
struct ZafStringDataAccess
{
    const wchar_t *(*text)(const void *stringData);                 // null: no buffer
    wchar_t *(*buffer)(void *stringData, int *capacity);            // capacity in characters
};
extern ZafStringDataAccess zafStringDataAccess;
