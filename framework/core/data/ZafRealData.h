#pragma once
// ZafRealData: an observable double-precision real number that formats and
// parses itself (the value of real fields). Every change notifies the
// observers once. Ownership and thread as ZafData.

#include "framework/core/text/ZafFormatData.h"

class ZafObjectPersistence;

class ZafRealData : public ZafFormatData
{
public:
    explicit ZafRealData(double value = 0.0);
    ZafRealData(const ZafRealData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafRealData(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafError Write(ZafObjectPersistence &persistence) override;

    ZafClassID ClassID() const override { return ZAF_ID_REAL_DATA; }
    ZafClassName ClassName() const override { return L"ZafRealData"; }
    bool IsAClassID(ZafClassID id) const override;
    bool IsAClassName(ZafClassName name) const override;

    double Value() const { return value; }
    // Format null selects the locale's default real format.
    int FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const override;
    // Scans text through the format list (null: the locale's default);
    // answers 0, or ZAF_ERROR_INVALID_TEXT when no line matched (the value
    // is then unchanged).
    int SetFormattedText(const wchar_t *text, const wchar_t *format) override;
    // Each answers the value in force and notifies the observers once.
    double SetValue(double newValue);
    double SetValue(const ZafRealData &other) { return SetValue(other.value); }
    double Add(double amount);
    double Subtract(double amount);

    // Installs the engines' access to real values for "%Zf" (done by the
    // constructors).
    static void RegisterConversions();

private:
    double value;
};

inline bool operator==(const ZafRealData &a, const ZafRealData &b) { return a.Value() == b.Value(); }
inline bool operator!=(const ZafRealData &a, const ZafRealData &b) { return a.Value() != b.Value(); }
inline bool operator<(const ZafRealData &a, const ZafRealData &b) { return a.Value() < b.Value(); }
inline bool operator<=(const ZafRealData &a, const ZafRealData &b) { return a.Value() <= b.Value(); }
inline bool operator>(const ZafRealData &a, const ZafRealData &b) { return a.Value() > b.Value(); }
inline bool operator>=(const ZafRealData &a, const ZafRealData &b) { return a.Value() >= b.Value(); }
