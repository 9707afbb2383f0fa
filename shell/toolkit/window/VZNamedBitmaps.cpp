#include "shell/toolkit/window/VZNamedBitmaps.h"

#include <cwchar>

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/window/KZBitmap.h"

void VZNamedBitmaps::Load(const wchar_t *const *list, int count)
{
    Free();
    for (int i = 0; i < count; ++i) {
        auto *bitmap = new KZBitmap(list[i]);
        if (bitmap->Width() <= 0 || bitmap->Height() <= 0)
            if (KLog *log = KProgramLog())
                log->Error(KString(L"VZNamedBitmaps::Load: no bitmap \"").Append(list[i]).Append(L"\" in the data file"));
        names.push_back(list[i]);
        bitmaps.push_back(bitmap);
    }
}

void VZNamedBitmaps::LoadOnce(const wchar_t *const *list, int count)
{
    if (bitmaps.empty())
        Load(list, count);
}

void VZNamedBitmaps::Free()
{
    for (KZBitmap *bitmap : bitmaps)
        delete bitmap;
    bitmaps.clear();
    names.clear();
}

KZBitmap *VZNamedBitmaps::At(int index) const
{
    return index >= 0 && index < Count() ? bitmaps[size_t(index)] : nullptr;
}

KZBitmap *VZNamedBitmaps::Find(const wchar_t *name) const
{
    for (size_t i = 0; i < names.size(); ++i)
        if (std::wcscmp(names[i], name) == 0)
            return bitmaps[i];
    return nullptr;
}
