#include "framework/core/data/ZafData.h"


ZafData::ZafData(bool destroyable) : destroyable(destroyable)
{
}

ZafData::ZafData(const ZafData &copy) : ZafElement(copy), ZafNotification(copy), destroyable(true)
{
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
