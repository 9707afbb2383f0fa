#include "shell/toolkit/KZProgressBar.h"

#include <algorithm>

#include "foundation/strings/KString.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/KZPalette.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZProgressBar::KZProgressBar() : KZWindow(0, 0, 0, 0)
{
    SetCoordinateType(kCoordPixels);
}

bool KZProgressBar::SetValue(int newValue)
{
    newValue = std::max(kNoValue, std::min(100, newValue));
    if (newValue == value)
        return false;
    value = newValue;
    KZWindowLeech::Redisplay();
    return true;
}

ZafEventType KZProgressBar::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return code;
    BeginDraw();
    KRect inside = ClientRect();
    inside.Inflate(-1);
    const int left = inside.left, right = left + kBarWidth - 1;
    if (value > 0) {
        KZPaletteEntry fill;
        fill.palette = ZafPaletteStruct::Default();
        KZInitPalette(fill);
        fill.palette.colorBackground = kFillColor;
        display->SetPalette(fill.palette);
        DrawRectangle(KRect(left, inside.top, left + value - 1, inside.bottom), 0, true);
    }
    if (value < 100)
        DrawBackground(KRect(left + std::max(value, 0), inside.top, right, inside.bottom), kEvtRedisplay);
    if (value >= 0) {
        KString label;
        label.AppendInt(value).AppendChar(L'%');
        ZafPaletteStruct palette = ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ROOT_CURRENT);
        palette.font = 0;
        display->SetPalette(palette);
        DrawTextInRect(KRect(left, inside.top, right, inside.bottom), label.CStr(), 2, 2, -1, false);
    }
    EndDraw();
    return code;
}
