#include "shell/toolkit/menus/KZAnchoredPopUpMenu.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr ZafInt8 kColorEnabled = 0;    // black
constexpr ZafInt8 kColorDisabled = 8;   // dark grey

} // namespace

KZAnchoredPopUpMenu::KZAnchoredPopUpMenu(int left, int top, int width, int height)
    : KZButton(left, top, width, height, L"", nullptr, kPush, 0), menu(std::make_unique<KZPopUpMenu>(KPoint(0, 0)))
{
    SetCoordinateType(kCoordPixels);
}

KZAnchoredPopUpMenu::~KZAnchoredPopUpMenu() = default;

void KZAnchoredPopUpMenu::AddItem(KZPopUpItem *entry)
{
    KZAddToMenu(menu.get(), entry);
}

ZafEventType KZAnchoredPopUpMenu::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == kEvtLeftPress) {
        KRect below = ClientRect();
        ClientToScreen(below);
        menu->SetRegion(KZMakeRegion(KRect(below.left, below.bottom, below.right, below.bottom), kCoordPixels));
        menu->Show();
        return code;
    }
    if (code == kEvtLeftDrag || code == kEvtLeftRelease)
        return code;
    return KZButton::Event(event);
}

ZafEventType KZAnchoredPopUpMenu::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    const ZafEventType answer = ZafButton::Redisplay(event, code);
    BeginDraw();
    DrawTriangle();
    EndDraw();
    return answer;
}

void KZAnchoredPopUpMenu::DrawTriangle()
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return;
    KRect r = ClientRect();
    KPoint corners[3] = { KPoint(r.left + 4, r.top + 6), KPoint(r.right - 4, r.top + 6),
                          KPoint((r.left + r.right) / 2, r.bottom - 5) };
    int points[6];
    for (int i = 0; i < 3; ++i) {
        ClientToOS(corners[i]);
        points[2 * i] = corners[i].x;
        points[2 * i + 1] = corners[i].y;
    }
    ZafPaletteStruct palette = display->Palette();
    const ZafInt8 color = IsDisabled(true) ? kColorDisabled : kColorEnabled;
    palette.colorForeground = color;
    palette.colorBackground = color;
    display->SetPalette(palette);
    display->Polygon(3, points, 1, true, true);
}
