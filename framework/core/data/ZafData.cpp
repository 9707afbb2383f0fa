#include "framework/core/data/ZafData.h"

#include <cwchar>

ZafData::ZafData(bool destroyable) : destroyable(destroyable)
{
}

ZafData::ZafData(const ZafData &copy) : ZafElement(copy), ZafNotification(copy), destroyable(true)
{
}

bool ZafData::IsAClassID(ZafClassID id) const
{
    return id == ZAF_ID_DATA || ZafElement::IsAClassID(id);
}

bool ZafData::IsAClassName(ZafClassName name) const
{
    return (name && std::wcscmp(name, L"ZafData") == 0) || ZafElement::IsAClassName(name);
}

int ZafData::BeginUpdate()
{
    return ++updateCount;
}

int ZafData::EndUpdate(bool notify)
{
    if (updateCount > 0 && --updateCount == 0 && notify)
        Notify();
    return updateCount;
}

bool ZafData::SetDestroyable(bool flag)
{
    destroyable = flag;
    return destroyable;
}

ZafError ZafData::SetError(ZafError code)
{
    error = code;
    return error;
}
