#pragma once
// ZafIntegerData: an observable 32-bit signed integer that formats and
// parses itself (the value of integer fields). Every change notifies the
// observers once. Ownership and thread as ZafData.

#include "framework/core/data/ZafNumberValueData.h"

class ZafObjectPersistence;

class ZafIntegerData : public ZafNumberValueData<ZafIntegerData, int>
{
public:
    explicit ZafIntegerData(int value = 0) : ZafNumberValueData(value) { }
    ZafIntegerData(const ZafIntegerData &copy) = default;
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafIntegerData(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafError Write(ZafObjectPersistence &persistence) override;

    static constexpr ZafClassID dataClassID = ZAF_ID_INTEGER_DATA;
    static constexpr const ZafIChar *dataClassName = L"ZafIntegerData";

    // The locale's default integer format.
    static const wchar_t *DefaultFormat();
    // Installs the engines' access to integer values for "%Zd" (done by the
    // constructors).
    static void RegisterConversions();
};
