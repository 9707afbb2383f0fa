#include "shell/toolkit/bars/KZStatusString.h"

#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZStatusString::KZStatusString() = default;

bool KZStatusString::SetText(const KString &newText)
{
    return ChangeShown(text, newText);
}

ZafEventType KZStatusString::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    KRect inside;
    ZafGdiDisplay *display = BeginPaneDraw(inside);
    if (!display)
        return code;
    DrawBackground(inside, kEvtRedisplay);
    DrawPaneText(*display, inside, text.CStr(), 0);
    EndDraw();
    return code;
}
