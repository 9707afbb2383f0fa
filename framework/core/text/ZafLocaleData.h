#pragma once
// ZafLocaleData: the number, currency, date and time conventions that the
// framework's data objects format and parse with. One shared record serves
// the process (Locale()); ZafI18nStartUp makes it on first need from the
// system's settings. The record owns its four format strings. The fields are
// public: the application may adjust them (signs, sign positions) after
// start-up. GUI thread only.
//
// The portable half holds the record and the rules that turn system settings
// into it; ReadSystemLocale (framework/windows) reads the system.

#include "framework/core/data/ZafData.h"

// Reads the "Intl" section of the system profile (platforms without
// GetLocaleInfoW). Answers false for a missing key.
class ZafLocaleProfile
{
public:
    virtual ~ZafLocaleProfile() = default;
    // The key's text, in the local 8-bit code set, into buffer (size bytes).
    virtual bool String(const char *key, char *buffer, int size) = 0;
    // The key's number, or fallback when the key is missing.
    virtual int Int(const char *key, int fallback) = 0;
};

// Reads one locale setting (a Windows LCTYPE) into buffer (size characters);
// answers the characters written including the terminator, 0 on failure.
using ZafLocaleInfoReader = int (*)(unsigned long type, wchar_t *buffer, int size);

class ZafLocaleData : public ZafData
{
public:
    // A record with the conventions of the C locale in English.
    ZafLocaleData();
    ZafLocaleData(const ZafLocaleData &copy);
    ZafLocaleData &operator=(const ZafLocaleData &) = delete;
    ~ZafLocaleData() override;

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_LOCALE_DATA, L"ZafLocaleData")

    // The shared record; null until ZafI18nStartUp (or SetLocale) made one.
    static ZafLocaleData *Locale() { return locale; }
    // Installs a record as the shared one and deletes the previous one
    // (null removes it). The record becomes the framework's.
    static void SetLocale(ZafLocaleData *record);

    // Fills the record from the system: GetLocaleInfoW of the user's locale
    // on Windows NT, else the "Intl" profile section. A setting that cannot
    // be read keeps the value the record already has. Answers 1.
    int ReadSystemLocale();
    // The two halves of ReadSystemLocale, each callable alone with
    // its own reader (reader null: GetLocaleInfoW of the user's default locale).
    void ReadLocaleInfo(ZafLocaleInfoReader reader = nullptr);
    void ReadProfile(ZafLocaleProfile &profile);

    // Translates a short-date picture (dd.MM.yyyy) into the framework's date
    // notation (%d.%m.%Y); every character that is not a picture letter
    // becomes separator. Writes at most size - 1 characters and a terminator.
    static void TranslateDatePicture(const wchar_t *picture, const wchar_t *separator, wchar_t *result,
        int size);
    // Parses a grouping text such as "3;2;0" into group sizes, stored until a
    // 0 (which is stored too) or until size - 1 bytes; always ends with 0.
    static void ParseGrouping(const wchar_t *text, unsigned char *grouping, int size);
    // The profile's currency codes: iCurrency 0-3 and iNegCurr 0-10; other
    // values change nothing.
    void ApplyCurrencyCode(int iCurrency);
    void ApplyNegativeCurrencyCode(int iNegCurr);
    // Replaces the date format by the translated picture and rebuilds the
    // date-time format from it, a blank and the time format (the 24-hour
    // time format replaces the time format first when hour24 is set).
    void SetDatePicture(const wchar_t *picture, bool hour24);

    // Owned format strings; each setter copies the text (null = empty).
    const wchar_t *TimeFormat() const { return timeFormat; }
    const wchar_t *Time24Format() const { return time24Format; }
    const wchar_t *DateFormat() const { return dateFormat; }
    const wchar_t *DateTimeFormat() const { return dateTimeFormat; }
    void SetTimeFormat(const wchar_t *format);
    void SetTime24Format(const wchar_t *format);
    void SetDateFormat(const wchar_t *format);
    void SetDateTimeFormat(const wchar_t *format);

    // The default formats of integer and real data objects.
    const wchar_t *IntegerFormat() const { return L"%d"; }
    const wchar_t *RealFormat() const { return L"%g"; }

    wchar_t decimalSeparator[4];          // "."
    wchar_t monDecimalSeparator[4];
    wchar_t thousandsSeparator[4];        // ","
    wchar_t monThousandsSeparator[4];
    wchar_t currencySymbol[8];            // "$"
    wchar_t intCurrencySymbol[8];         // "USD"
    unsigned char grouping[20];           // group sizes, ended by 0
    unsigned char monGrouping[20];
    int posCurrencyPrecedes;              // 1 = the symbol before a positive amount
    int negCurrencyPrecedes;              // 1 = the symbol before a negative amount
    int currencyDigits;                   // digits after the monetary decimal separator
    int intCurrencyDigits;
    wchar_t positiveSign[4];
    wchar_t negativeSign[4];
    int posSymbolPrecedes;                // second positive-precedes field
    int posSpaceSeparation;               // 1 = a blank between symbol and amount
    int negSignPosition;                  // 0 parentheses, 1 before all, 2 after all, 3 before the symbol, 4 after it
    int negSpaceSeparation;
    wchar_t dateSeparator[4];
    wchar_t timeSeparator[4];

private:
    static void Replace(wchar_t *&field, const wchar_t *text);

    wchar_t *timeFormat = nullptr;        // "%I:%M:%S %p" in the framework's notation
    wchar_t *time24Format = nullptr;      // "%H:%M:%S"
    wchar_t *dateFormat = nullptr;
    wchar_t *dateTimeFormat = nullptr;

    static ZafLocaleData *locale;
};
