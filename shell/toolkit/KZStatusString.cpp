#include "shell/toolkit/KZStatusString.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr ZafInt8 kPaneFont = 0;

} // namespace

KZStatusString::KZStatusString() : KZWindow(0, 0, 0, 0)
{
    SetCoordinateType(kCoordPixels);
}

bool KZStatusString::SetText(const KString &newText)
{
    if (text == newText)
        return false;
    text = newText;
    KZWindowLeech::Redisplay();
    return true;
}

ZafEventType KZStatusString::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return code;
    BeginDraw();
    KRect inside = ClientRect();
    inside.Inflate(-1);
    DrawBackground(inside, kEvtRedisplay);
    ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ROOT_CURRENT);
    palette.font = kPaneFont;
    display->SetPalette(palette);
    DrawTextInRect(inside, text.CStr(), 0, 2, -1, false);
    EndDraw();
    return code;
}
