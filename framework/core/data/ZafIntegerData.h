#pragma once
// ZafIntegerData: an observable 32-bit signed integer that formats and
// parses itself (the value of integer fields). Every change notifies the
// observers once. Ownership and thread as ZafData.

#include "framework/core/text/ZafFormatData.h"

class ZafObjectPersistence;

class ZafIntegerData : public ZafFormatData
{
public:
    explicit ZafIntegerData(int value = 0);
    ZafIntegerData(const ZafIntegerData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafIntegerData(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafError Write(ZafObjectPersistence &persistence) override;

    ZafClassID ClassID() const override { return ZAF_ID_INTEGER_DATA; }
    ZafClassName ClassName() const override { return L"ZafIntegerData"; }
    bool IsAClassID(ZafClassID id) const override;
    bool IsAClassName(ZafClassName name) const override;

    int Value() const { return value; }
    // Format null selects the locale's default integer format.
    int FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const override;
    // Scans text through the format list (null: the locale's default);
    // answers 0, or ZAF_ERROR_INVALID_TEXT when no line matched (the value
    // is then unchanged).
    int SetFormattedText(const wchar_t *text, const wchar_t *format) override;
    // Each answers the value in force and notifies the observers once.
    int SetValue(int newValue);
    int SetValue(const ZafIntegerData &other) { return SetValue(other.value); }
    int Add(int amount);
    int Subtract(int amount);

    // Installs the engines' access to integer values for "%Zd" (done by the
    // constructors).
    static void RegisterConversions();

private:
    int value;
};

inline bool operator==(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() == b.Value(); }
inline bool operator!=(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() != b.Value(); }
inline bool operator<(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() < b.Value(); }
inline bool operator<=(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() <= b.Value(); }
inline bool operator>(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() > b.Value(); }
inline bool operator>=(const ZafIntegerData &a, const ZafIntegerData &b) { return a.Value() >= b.Value(); }
