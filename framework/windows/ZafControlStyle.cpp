// The starting styles of the framework objects' OS controls.
#include "framework/windows/ZafControlStyle.h"

#include "framework/core/objects/ZafWindowObject.h"

DWORD ZafControlStateStyle(const ZafWindowObject *object)
{
    DWORD style = 0;
    if (object->IsVisible(false))
        style |= WS_VISIBLE;
    if (object->IsDisabled(true) && !object->DesignMode())
        style |= WS_DISABLED;
    return style;
}

void ZafAddControlBorder(bool threeD, DWORD &style, DWORD &exStyle)
{
    if (threeD)
        exStyle |= WS_EX_CLIENTEDGE;
    else
        style |= WS_BORDER;
}
