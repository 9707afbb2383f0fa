#include "shell/toolkit/window/KZWindowLeech.h"

#include "framework/core/objects/ZafWindow.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZWindowLeech::KZWindowLeech(ZafWindow *host) : KZWindowObjectLeech(host), window(host) {}

ZafEventType KZWindowLeech::Event(const ZafEventStruct &event)
{
    return KZWindowObjectLeech::Event(event);
}

KRect KZWindowLeech::ClientRect()
{
    ZafRegionStruct inside = window->ClientSize();
    window->ConvertRegion(inside, kCoordPixels);
    return KRect(0, 0, inside.right - inside.left, inside.bottom - inside.top);
}
