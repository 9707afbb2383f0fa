// The locale record, its defaults and the rules that turn the system's
// settings into it. Reading the system itself is in
// framework/windows/ZafLocaleDataWindows.cpp.

#include "framework/core/text/ZafLocaleData.h"
#include "framework/core/base/ZafReplaceOwned.h"
#include "framework/core/text/ZafStrings.h"

#include <cstring>

ZafLocaleData *ZafLocaleData::locale = nullptr;

ZafLocaleData::ZafLocaleData() : ZafData(true)
{
    ZafStrCpy(decimalSeparator, L".");
    ZafStrCpy(monDecimalSeparator, L".");
    ZafStrCpy(thousandsSeparator, L",");
    ZafStrCpy(monThousandsSeparator, L",");
    ZafStrCpy(currencySymbol, L"$");
    ZafStrCpy(intCurrencySymbol, L"USD");
    std::memset(grouping, 0, sizeof grouping);
    std::memset(monGrouping, 0, sizeof monGrouping);
    grouping[0] = monGrouping[0] = 3;
    posCurrencyPrecedes = negCurrencyPrecedes = 1;
    currencyDigits = intCurrencyDigits = 2;
    ZafStrCpy(positiveSign, L"");
    ZafStrCpy(negativeSign, L"-");
    posSymbolPrecedes = 1;
    posSpaceSeparation = 0;
    negSignPosition = 1;
    negSpaceSeparation = 0;
    ZafStrCpy(dateSeparator, L"/");
    ZafStrCpy(timeSeparator, L":");
    SetTimeFormat(L"%I:%M:%S %p");
    SetTime24Format(L"%H:%M:%S");
    SetDateFormat(L"%m/%d/%Y");
    SetDateTimeFormat(L"%m/%d/%Y %I:%M:%S %p");
}

ZafLocaleData::ZafLocaleData(const ZafLocaleData &copy) : ZafData(copy)
{
    // Everything up to the owned strings is plain values.
    std::memcpy(decimalSeparator, copy.decimalSeparator, sizeof decimalSeparator);
    std::memcpy(monDecimalSeparator, copy.monDecimalSeparator, sizeof monDecimalSeparator);
    std::memcpy(thousandsSeparator, copy.thousandsSeparator, sizeof thousandsSeparator);
    std::memcpy(monThousandsSeparator, copy.monThousandsSeparator, sizeof monThousandsSeparator);
    std::memcpy(currencySymbol, copy.currencySymbol, sizeof currencySymbol);
    std::memcpy(intCurrencySymbol, copy.intCurrencySymbol, sizeof intCurrencySymbol);
    std::memcpy(grouping, copy.grouping, sizeof grouping);
    std::memcpy(monGrouping, copy.monGrouping, sizeof monGrouping);
    posCurrencyPrecedes = copy.posCurrencyPrecedes;
    negCurrencyPrecedes = copy.negCurrencyPrecedes;
    currencyDigits = copy.currencyDigits;
    intCurrencyDigits = copy.intCurrencyDigits;
    std::memcpy(positiveSign, copy.positiveSign, sizeof positiveSign);
    std::memcpy(negativeSign, copy.negativeSign, sizeof negativeSign);
    posSymbolPrecedes = copy.posSymbolPrecedes;
    posSpaceSeparation = copy.posSpaceSeparation;
    negSignPosition = copy.negSignPosition;
    negSpaceSeparation = copy.negSpaceSeparation;
    std::memcpy(dateSeparator, copy.dateSeparator, sizeof dateSeparator);
    std::memcpy(timeSeparator, copy.timeSeparator, sizeof timeSeparator);
    SetTimeFormat(copy.timeFormat);
    SetTime24Format(copy.time24Format);
    SetDateFormat(copy.dateFormat);
    SetDateTimeFormat(copy.dateTimeFormat);
}

ZafLocaleData::~ZafLocaleData()
{
    delete[] timeFormat;
    delete[] time24Format;
    delete[] dateFormat;
    delete[] dateTimeFormat;
    if (locale == this)
        locale = nullptr;
}

void ZafLocaleData::SetLocale(ZafLocaleData *record)
{
    ZafReplaceOwned(locale, record);
}

void ZafLocaleData::Replace(wchar_t *&field, const wchar_t *text)
{
    // Copy first: text may be the field itself.
    wchar_t *copy = ZafStrDup(text ? text : L"");
    delete[] field;
    field = copy;
}

void ZafLocaleData::SetTimeFormat(const wchar_t *format) { Replace(timeFormat, format); }
void ZafLocaleData::SetTime24Format(const wchar_t *format) { Replace(time24Format, format); }
void ZafLocaleData::SetDateFormat(const wchar_t *format) { Replace(dateFormat, format); }
void ZafLocaleData::SetDateTimeFormat(const wchar_t *format) { Replace(dateTimeFormat, format); }

void ZafLocaleData::TranslateDatePicture(const wchar_t *picture, const wchar_t *separator, wchar_t *result,
    int size)
{
    if (!result || size <= 0)
        return;
    int n = 0;
    auto put = [&](const wchar_t *text) {
        for (; *text && n < size - 1; ++text)
            result[n++] = *text;
    };
    for (const wchar_t *p = picture ? picture : L""; *p;)
    {
        if (p[0] == L'M')
        {
            if (p[1] == L'M' && p[2] == L'M')
            {
                put(L"%b");
                p += 3;
            }
            else if (p[1] == L'M')
            {
                put(L"%m");
                p += 2;
            }
            else
            {
                put(L"%v");
                ++p;
            }
        }
        else if (p[0] == L'd')
        {
            bool twice = p[1] == L'd';
            put(twice ? L"%d" : L"%e");
            p += twice ? 2 : 1;
        }
        else if (p[0] == L'y')
        {
            if (p[1] && p[2] && p[3] == L'y')
            {
                put(L"%Y");
                p += 4;
            }
            else
            {
                put(L"%y");
                while (*p == L'y')
                    ++p;
            }
        }
        else
        {
            put(separator ? separator : L"");
            ++p;
        }
    }
    result[n] = 0;
}

void ZafLocaleData::ParseGrouping(const wchar_t *text, unsigned char *grouping, int size)
{
    if (!grouping || size <= 0)
        return;
    int n = 0;
    unsigned value = 0;
    bool stored = false;
    for (const wchar_t *p = text ? text : L""; n < size - 1; ++p)
    {
        if (*p >= L'0' && *p <= L'9')
        {
            value = (value * 10 + unsigned(*p - L'0')) & 0xFF;
            stored = false;
            continue;
        }
        // Any other character (the terminator too) ends a byte.
        if (!stored)
        {
            grouping[n++] = static_cast<unsigned char>(value);
            stored = true;
            if (value == 0)
                break;
        }
        value = 0;
        if (!*p)
            break;
    }
    grouping[n < size ? n : size - 1] = 0;
}

void ZafLocaleData::ApplyCurrencyCode(int iCurrency)
{
    static const int table[4][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    if (iCurrency < 0 || iCurrency > 3)
        return;
    posSpaceSeparation = table[iCurrency][0];
    posCurrencyPrecedes = table[iCurrency][1];
}

void ZafLocaleData::ApplyNegativeCurrencyCode(int iNegCurr)
{
    static const int table[11][3] = {{0, 1, 0}, {0, 1, 1}, {0, 1, 3}, {0, 1, 2}, {0, 0, 0}, {0, 0, 1},
        {0, 0, 4}, {0, 0, 2}, {1, 0, 1}, {1, 1, 1}, {1, 0, 2}};
    if (iNegCurr < 0 || iNegCurr > 10)
        return;
    negSpaceSeparation = table[iNegCurr][0];
    negCurrencyPrecedes = table[iNegCurr][1];
    negSignPosition = table[iNegCurr][2];
}

void ZafLocaleData::SetDatePicture(const wchar_t *picture, bool hour24)
{
    wchar_t date[128];
    TranslateDatePicture(picture, dateSeparator, date, 128);
    SetDateFormat(date);
    if (hour24)
        SetTimeFormat(time24Format);
    int length = ZafStrLen(date) + 1 + ZafStrLen(timeFormat) + 1;
    wchar_t *dateTime = new wchar_t[length];
    ZafStrCpy(dateTime, date);
    ZafStrCat(dateTime, L" ");
    ZafStrCat(dateTime, timeFormat);
    SetDateTimeFormat(dateTime);
    delete[] dateTime;
}
