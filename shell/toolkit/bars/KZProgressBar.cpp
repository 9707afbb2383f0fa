#include "shell/toolkit/bars/KZProgressBar.h"

#include <algorithm>

#include "foundation/strings/KString.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/window/KZPalette.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZProgressBar::KZProgressBar() = default;

bool KZProgressBar::SetValue(int newValue)
{
    return ChangeShown(value, std::max(kNoValue, std::min(100, newValue)));
}

ZafEventType KZProgressBar::Redisplay(const ZafEventStruct &, ZafEventType code)
{
    KRect inside;
    ZafGdiDisplay *display = BeginPaneDraw(inside);
    if (!display)
        return code;
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
        DrawPaneText(*display, KRect(left, inside.top, right, inside.bottom), label.CStr(), 2);
    }
    EndDraw();
    return code;
}
