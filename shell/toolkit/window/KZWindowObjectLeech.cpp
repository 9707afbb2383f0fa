// KZWindowObjectLeech: the event slot, the host and the coordinate and
// measuring services. Drawing is in KZWindowObjectLeechDraw.cpp.
#include "shell/toolkit/window/KZWindowObjectLeech.h"

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

ZafGdiDisplay *Display() { return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()); }

} // namespace

ZafEventType KZWindowObjectLeech::Event(const ZafEventStruct &event)
{
    if (event.type != kEvtTakeFocus)
        return 0;
    TakeFocus();
    return kEvtTakeFocus;
}

void KZWindowObjectLeech::TakeFocus()
{
    host->SetFocus(true);
}

void KZWindowObjectLeech::RedisplayIfShown()
{
    if (flags & kFullRedrawAfterResize)
        Redisplay();
}

void KZWindowObjectLeech::Redisplay()
{
    host->Event(ZafEventStruct(kEvtRedisplay, 0));
}

void KZWindowObjectLeech::RedisplayNow()
{
    host->Event(ZafEventStruct(kEvtRedisplayNow, 0));
}

KRect KZWindowObjectLeech::ClientRect()
{
    ZafRegionStruct region = host->Region();
    host->ConvertRegion(region, kCoordPixels);
    return KRect(0, 0, region.right - region.left, region.bottom - region.top);
}

bool KZWindowObjectLeech::HasOSWindow() const
{
    return host->OSWindow() != nullptr;
}

bool KZWindowObjectLeech::Enable(bool enable)
{
    host->SetDisabled(!enable);
    return !host->IsDisabled(false);
}

// ---- Coordinates --------------------------------------------------------------

KPoint KZWindowObjectLeech::Position() const
{
    const ZafRegionStruct region = host->Region();
    return KPoint(region.left, region.top);
}

void KZWindowObjectLeech::ToParent(KPoint &point) const { point += Position(); }
void KZWindowObjectLeech::ToParent(KRect &rect) const { rect += Position(); }
void KZWindowObjectLeech::FromParent(KPoint &point) const { point -= Position(); }
void KZWindowObjectLeech::FromParent(KRect &rect) const { rect -= Position(); }

KRect KZWindowObjectLeech::ClientRectOS() const
{
    ZafRegionStruct region = host->OSRegion();
    host->ConvertRegion(region, kCoordPixels);
    return KZRectOf(region);
}

KPoint KZWindowObjectLeech::ClientOrigin() const
{
    const KRect os = ClientRectOS();
    return KPoint(os.left, os.top);
}

// The clamp follows the addition: the sum is what must fit the system's
// 16-bit drawing coordinates.
void KZWindowObjectLeech::ClientToOS(KPoint &point) const
{
    point += ClientOrigin();
    point.ClampToLimits();
}

void KZWindowObjectLeech::ClientToOS(KRect &rect) const
{
    rect += ClientOrigin();
    rect.ClampToLimits();
}

void KZWindowObjectLeech::ParentToClient(KPoint &point) const { point -= ClientOrigin(); }
void KZWindowObjectLeech::ParentToClient(KRect &rect) const { rect -= ClientOrigin(); }

void KZWindowObjectLeech::OSToScreen(KPoint &point) const
{
    POINT p = { point.x, point.y };
    if (HWND window = static_cast<HWND>(host->OSWindow()))
        ::ClientToScreen(window, &p);
    point = KPoint(p.x, p.y);
}

KPoint KZWindowObjectLeech::ScreenOrigin() const
{
    KPoint origin = ClientOrigin();
    OSToScreen(origin);
    return origin;
}

void KZWindowObjectLeech::ClientToScreen(KPoint &point) const { point += ScreenOrigin(); }
void KZWindowObjectLeech::ClientToScreen(KRect &rect) const { rect += ScreenOrigin(); }
void KZWindowObjectLeech::ScreenToClient(KPoint &point) const { point -= ScreenOrigin(); }
void KZWindowObjectLeech::ScreenToClient(KRect &rect) const { rect -= ScreenOrigin(); }

// ---- Text measuring -----------------------------------------------------------

KPoint KZWindowObjectLeech::TextExtent(const wchar_t *text, int length) const
{
    ZafGdiDisplay *display = Display();
    if (!display || !text)
        return KPoint(0, 0);
    // Outside a drawing sequence the host's font is measured on the screen;
    // inside one, the font the drawing has selected.
    const bool own = display->DeviceContext() == nullptr;
    ZafInt8 savedFont = 0;
    ZafCoordinateType savedType = display->CoordinateType();
    if (own) {
        display->BeginDraw(nullptr, reinterpret_cast<HWND>(-1));
        display->SetCoordinateType(kCoordPixels);
        savedFont = display->SetFont(host->PaletteFont());
    }
    const ZafRegionStruct extent = display->TextExtent(text, length);
    if (own) {
        display->SetFont(savedFont);
        display->SetCoordinateType(savedType);
        display->EndDraw();
    }
    return KPoint(extent.right - extent.left + 1, extent.bottom - extent.top + 1);
}

int KZWindowObjectLeech::TextWidth(const wchar_t *text, int length) const
{
    return TextExtent(text, length).x;
}

int KZWindowObjectLeech::TextCells(const wchar_t *text, int length) const
{
    const int cellWidth = ZafDisplay::SharedOrDefault().cellWidth;
    const int pixels = TextWidth(text, length);
    return cellWidth > 0 ? (pixels + cellWidth - 1) / cellWidth : pixels;
}

int KZWindowObjectLeech::FontHeight() const
{
    return KZFontHeight(host->PaletteFont());
}

int KZWindowObjectLeech::FittingLength(const wchar_t *text, int length, int width) const
{
    if (!text)
        return 0;
    if (length < 0)
        length = int(wcslen(text));
    while (length > 0 && TextWidth(text, length) > width)
        --length;
    return length;
}
