// KZScroller: drawing in units, the framework draw, scrolling with block
// copies and automatic scrolling.
#include "shell/toolkit/lists/KZScroller.h"

#include <algorithm>
#include <vector>

#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/lists/KZListCodes.h"

void KZScroller::UsePalette(const KZPaletteEntry &entry)
{
    if (auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()))
        display->SetPalette(entry.palette);
}

// ---- Drawing in units -------------------------------------------------------------

void KZScroller::RedrawRect(const KRect &units, ZafEventType code)
{
    RedrawRegion(UnitRectToPixels(units), code);
}

void KZScroller::DrawLine(KPoint from, KPoint to, int width)
{
    from = UnitToPixel(from);
    to = UnitToPixel(to);
    KZWindowLeech::DrawLine(from.x, from.y, to.x, to.y, width);
}

void KZScroller::FillUnits(const KRect &units, int lineWidth, bool fill)
{
    if (units.IsEmpty())
        return;
    DrawRectangle(UnitRectToPixels(units), lineWidth, fill);
}

// The leech takes rows padded to 4 bytes; other strides are copied row by row.
void KZScroller::DrawBitmap(const KRect &units, const void *pixels, int bitsPerPixel, int stride)
{
    if (!pixels || units.IsEmpty() || (bitsPerPixel != 15 && bitsPerPixel != 24))
        return;
    const KRect rect = UnitRectToPixels(units);
    const int bytesPerPixel = bitsPerPixel == 15 ? 2 : 3;
    const int padded = (rect.Width() * bytesPerPixel + 3) & ~3;
    if (stride == padded) {
        DrawImage(rect, pixels, bitsPerPixel, -1);
        return;
    }
    std::vector<uint8_t> rows(size_t(padded) * size_t(rect.Height()), 0);
    const auto *source = static_cast<const uint8_t *>(pixels);
    const int copy = std::min(stride, padded);
    for (int y = 0; y < rect.Height(); ++y)
        std::copy(source + size_t(y) * stride, source + size_t(y) * stride + copy, rows.begin() + size_t(y) * padded);
    DrawImage(rect, rows.data(), bitsPerPixel, -1);
}

void KZScroller::MoveUnits(const KRect &source, KPoint destination)
{
    const KPoint to = UnitToPixel(destination);
    CopyArea(UnitRectToPixels(source), to.x, to.y);
}

KRect KZScroller::ClipUnits()
{
    return PixelRectToUnits(ClipRect());
}

KRect KZScroller::SetClipUnits(const KRect &units)
{
    return PixelRectToUnits(SetClipRect(UnitRectToPixels(units)));
}

void KZScroller::DrawUnit(KPoint unit)
{
    BeginDraw();
    UsePalette(UnitPalette(unit, kPaletteBackground, PaletteState()));
    FillUnits(KRect(unit.x, unit.y, unit.x, unit.y), 0, true);
    EndDraw();
}

void KZScroller::DrawUnits(const KRect &units)
{
    for (int y = units.top; y <= units.bottom; ++y)
        for (int x = units.left; x <= units.right; ++x)
            DrawUnit(KPoint(x, y));
}

// ---- The framework draw ------------------------------------------------------------

void KZScroller::PaintBackground(const KRect &all, const KRect &drawn)
{
    UsePalette(UnitPalette(KPoint(-1, -1), kPaletteBackground, PaletteState()));
    if (drawn.IsEmpty()) {
        FillUnits(all, 0, true);
        return;
    }
    FillUnits(KRect(all.left, drawn.bottom + 1, all.right, all.bottom), 0, true);
    if (layoutFlags & kScrollRightAligned)
        FillUnits(KRect(all.left, drawn.top, drawn.left - 1, drawn.bottom), 0, true);
    else
        FillUnits(KRect(drawn.right + 1, drawn.top, all.right, drawn.bottom), 0, true);
}

ZafEventType KZScroller::Draw(const ZafEventStruct &event, ZafEventType code)
{
    ZafRegionStruct region = event.region;
    ConvertRegion(region, kCoordPixels);
    const KRect pixels = KZRectOf(region);
    if (pixels.IsEmpty())
        return code;
    BeginDraw();
    const KRect all = ParentRectToUnits(pixels);
    KRect drawn = all;
    bool clipped = drawn.ClipTo(ExtentRect());
    if (!clipped)
        clipped = drawn.ClipTo(VisibleUnitRect(true));
    if (clipped)
        PaintBackground(all, drawn);
    if (!drawn.IsEmpty())
        DrawUnits(drawn);
    if (emptyText && ExtentRect().IsEmpty()) {
        UsePalette(UnitPalette(KPoint(-1, -1), kPaletteText, PaletteState()));
        DrawTextInRect(ClientRect(), emptyText->CStr(), 0, 0, -1, false);
    }
    EndDraw();
    return code;
}

// ---- Scrolling -------------------------------------------------------------------

void KZScroller::RedrawExposed(const KRect &source, KPoint destination, const KRect &strip)
{
    BeginDraw();
    MoveUnits(source, destination);
    RedrawRect(strip, kEvtRedisplay);
    EndDraw();
}

void KZScroller::ScrollTo(KPoint target, bool updateBars)
{
    const KPoint old = position;
    if (!SetScrollPosition(target))
        return;
    if (updateBars)
        UpdateScrollBars();
    const KPoint now = position;
    const KPoint d(now.x - old.x, now.y - old.y);
    const KPoint whole = ClientUnits(true);
    const KPoint partial = ClientUnits(false);
    const KRect w = VisibleUnitRect(true);
    const KRect p = VisibleUnitRect(false);
    if (d.y == 0 && d.x > 0 && d.x < whole.x)
        RedrawExposed(KRect(now.x + d.x, now.y, w.right, w.bottom), now,
            KRect(w.right - d.x + 1, now.y, p.right, w.bottom));
    else if (d.y == 0 && -d.x > 0 && -d.x < partial.x)
        RedrawExposed(KRect(now.x, now.y, w.right + d.x, w.bottom), old,
            KRect(now.x, now.y, old.x - 1, w.bottom));
    else if (d.x == 0 && d.y > 0 && d.y < whole.y)
        RedrawExposed(KRect(now.x, now.y + d.y, w.right, w.bottom), now,
            KRect(now.x, w.bottom - d.y + 1, w.right, p.bottom));
    else if (d.x == 0 && -d.y > 0 && -d.y < partial.y)
        RedrawExposed(KRect(now.x, now.y, w.right, w.bottom + d.y), old,
            KRect(now.x, now.y, w.right, old.y - 1));
    else
        KZWindowLeech::Redisplay();
}

void KZScroller::ScrollBy(int dx, int dy, bool updateBars)
{
    ScrollTo(KPoint(position.x + dx, position.y + dy), updateBars);
}

void KZScroller::ScrollIntoView(KPoint unit, bool whole, bool byScrolling)
{
    if (IsUnitVisible(unit, whole))
        return;
    const KPoint n = ClientUnits(whole);
    auto move = [](int r, int count) { return r < count ? (r > 0 ? 0 : r) : r - (count - 1); };
    const KPoint target(position.x + move(unit.x - position.x, n.x), position.y + move(unit.y - position.y, n.y));
    if (byScrolling)
        ScrollTo(target, true);
    else if (SetScrollPosition(target))
        Redisplay();
}

void KZScroller::CenterOn(KPoint unit, bool byScrolling)
{
    const KPoint n = ClientUnits(true);
    const KPoint target(unit.x - n.x / 2, unit.y - n.y / 2);
    if (byScrolling)
        ScrollTo(target, true);
    else if (SetScrollPosition(target))
        Redisplay();
}

// ---- Automatic scrolling ------------------------------------------------------------

bool KZScroller::AutoScrollNeeded(KPoint unit)
{
    unit.ClampTo(ExtentRect());
    if (IsUnitVisible(unit, true)) {
        autoStart = 0;
        return false;
    }
    if (autoStart == 0) {
        const int32_t now = KTickCount();
        autoStart = now != 0 ? now : 1;
        autoNext = now;
        autoStepped = false;
        autoDue = 0;
        autoMultiplier = 1;
    }
    return true;
}

// Tick comparisons take the difference first, so that they hold across the
// wrap of the tick count; a rate of 0 or less makes no step (and no division).
bool KZScroller::AutoScroll(KPoint unit)
{
    if (!AutoScrollNeeded(unit))
        return false;
    const int32_t now = KTickCount();
    if (int32_t(uint32_t(now) - uint32_t(autoNext)) < 0) {
        autoStepped = false;
        autoDue = 0;
        return true;
    }
    if (autoStepped && ++autoDue >= 2) {
        if (autoMultiplier < 4)
            autoMultiplier *= 2;
        autoDue = 0;
    }
    const int rate = AutoScrollRate(int32_t(uint32_t(now) - uint32_t(autoStart)));
    if (rate <= 0)
        return false;
    const int perSecond = rate >= 20 ? std::max(1, 20 / autoMultiplier) : rate;
    autoNext = int32_t(uint32_t(now) + uint32_t(1000 / perSecond));
    const int step = rate / perSecond;
    const KRect visible = VisibleUnitRect(true);
    if (unit.x < visible.left)
        ScrollBy(-step, 0, true);
    else if (unit.x > visible.right)
        ScrollBy(step, 0, true);
    else if (unit.y < visible.top)
        ScrollBy(0, -step, true);
    else if (unit.y > visible.bottom)
        ScrollBy(0, step, true);
    autoStepped = true;
    return true;
}
