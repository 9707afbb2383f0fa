#include "shell/toolkit/window/KZBitmap.h"

#include "framework/core/storage/ZafObjectPersistence.h"

namespace {

// The program's data file as the application opened it; an empty
// persistence (every read fails) when none is open.
ZafObjectPersistence &ProgramData()
{
    if (ZafObjectPersistence *persistence = ZafObjectPersistence::DefaultPersistence())
        return *persistence;
    static ZafObjectPersistence none;
    return none;
}

} // namespace

KZBitmap::KZBitmap(const wchar_t *name) : ZafBitmapData(name, ProgramData())
{
    SetDestroyable(false);
}
