#include "shell/toolkit/window/KZWindowHelpers.h"

#include "framework/core/objects/ZafWindow.h"

ZafWindow *KZAddToWindow(ZafWindow *window, ZafWindowObject *object)
{
    if (window && object)
        window->Add(object);
    return window;
}

const wchar_t *KZGetText(ZafWindowObject *object)
{
    return object ? object->Text() : nullptr;
}

void KZSetText(ZafWindowObject *object, const wchar_t *text)
{
    if (object)
        object->SetText(text);
}

ZafRegionStruct KZMakeRegion(const KRect &rect, ZafCoordinateType type)
{
    ZafRegionStruct region;
    region.Assign(rect.left, rect.top, rect.right, rect.bottom, type);
    return region;
}

KRect KZRectOf(const ZafRegionStruct &region)
{
    return KRect(region.left, region.top, region.right, region.bottom);
}
