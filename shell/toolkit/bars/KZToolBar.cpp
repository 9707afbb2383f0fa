#include "shell/toolkit/bars/KZToolBar.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

constexpr ZafInt8 kBarFont = 0;
constexpr int kTextGap = 3;          // pixels between the last item and the text

} // namespace

KZToolBar::KZToolBar(int dockPosition, int thickness)
    : ZafToolBar(0, 0, thickness, thickness), KZWindowLeech(this), thickness(thickness),
      toolBarFlags(kToolBarNotifyParent)
{
    SetCoordinateType(kCoordPixels);
    SetDockType(dockPosition);
    SetWrap(thickness == -1);
    SetFocusBlocked(true);
    SetFont(kBarFont);
    SetSystemDrawn(false);
}

KZToolBar::~KZToolBar() = default;

bool KZToolBar::IsHorizontal() const
{
    return DockType() == DOCK_TOP || DockType() == DOCK_BOTTOM;
}

KRect KZToolBar::ClientRect()
{
    return KZWindowObjectLeech::ClientRect();
}

bool KZToolBar::SetText(const KString &newText)
{
    if (text == newText)
        return false;
    text = newText;
    uint32_t flags = LeechFlags();
    if (text.IsEmpty())
        flags &= ~kFullRedrawAfterResize;
    else
        flags |= kFullRedrawAfterResize;
    SetLeechFlags(flags);
    KZWindowLeech::Redisplay();
    return true;
}

ZafEventType KZToolBar::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = ZafToolBar::MapEvent(mapped);
    const ZafEventType answer = ZafToolBar::Event(event);
    if (code == kEvtClientResized || code == kEvtRelayout)
        RedisplayIfShown();
    return answer;
}

ZafEventType KZToolBar::Draw(const ZafEventStruct &event, ZafEventType code)
{
    const ZafEventType answer = ZafToolBar::Redisplay(event, code);
    if (!text.IsEmpty())
        DrawBarText();
    return answer;
}

void KZToolBar::DrawBarText()
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return;
    KRect rect = ClientRect();
    if (ZafWindowObject *last = LastChild()) {
        ZafRegionStruct item = last->Region();
        last->ConvertRegion(item, kCoordPixels);
        rect.left = item.right + kTextGap;
        rect.top = item.top;
        rect.bottom = item.bottom;
    }
    BeginDraw();
    display->SetPalette(ResolvePalette(kPaletteText, PaletteState()));
    DrawTextInRect(rect, text.CStr(), 0, 2, -1, false);
    EndDraw();
}
