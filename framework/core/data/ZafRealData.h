#pragma once
// ZafRealData: an observable double-precision real number that formats and
// parses itself (the value of real fields). Every change notifies the
// observers once. Ownership and thread as ZafData.

#include "framework/core/data/ZafNumberValueData.h"

class ZafObjectPersistence;

class ZafRealData : public ZafNumberValueData<ZafRealData, double>
{
public:
    explicit ZafRealData(double value = 0.0) : ZafNumberValueData(value) { }
    ZafRealData(const ZafRealData &copy) = default;
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafRealData(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafError Write(ZafObjectPersistence &persistence) override;

    static constexpr ZafClassID dataClassID = ZAF_ID_REAL_DATA;
    static constexpr const ZafIChar *dataClassName = L"ZafRealData";

    // The locale's default real format.
    static const wchar_t *DefaultFormat();
    // Installs the engines' access to real values for "%Zf" (done by the
    // constructors).
    static void RegisterConversions();
};
