#include "shell/toolkit/bars/KZStatusPane.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr ZafInt8 kPaneFont = 0;

} // namespace

KZStatusPane::KZStatusPane() : KZWindow(0, 0, 0, 0)
{
    SetCoordinateType(kCoordPixels);
}

ZafGdiDisplay *KZStatusPane::BeginPaneDraw(KRect &inside)
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return nullptr;
    BeginDraw();
    inside = ClientRect();
    inside.Inflate(-1);
    return display;
}

void KZStatusPane::DrawPaneText(ZafGdiDisplay &display, const KRect &rect, const wchar_t *text, int horizontal)
{
    ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ROOT_CURRENT);
    palette.font = kPaneFont;
    display.SetPalette(palette);
    DrawTextInRect(rect, text, horizontal, 2, -1, false);
}
