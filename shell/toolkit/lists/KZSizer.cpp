// KZSizer: dividers, cells and drawing. Pointer and mouse handling are in
// KZSizerMouse.cpp.
#include "shell/toolkit/lists/KZSizer.h"

#include <algorithm>

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/toolkit/lists/KZListCodes.h"

KZSizer::KZSizer(int dockPosition, int thickness, int cellSize, int offset)
    : KZToolBar(dockPosition, thickness), sizerFlags(kSizerFirstMovable | kSizerLastMovable | kSizerPressFocus),
      offset(offset), cellSize(cellSize)
{
    SetWrap(false);
}

KZSizer::~KZSizer() = default;

bool KZSizer::SetCellSize(int pixels)
{
    if (pixels == cellSize)
        return false;
    cellSize = pixels;
    return true;
}

bool KZSizer::SetOffset(int pixels)
{
    if (pixels == offset)
        return false;
    offset = pixels;
    return true;
}

KPoint KZSizer::ToBar(KPoint position)
{
    ParentToClient(position);
    if (IsHorizontal())
        position.x += offset;
    else
        position.y += offset;
    return position;
}

KRect KZSizer::BarToClient(const KRect &rect)
{
    KRect client = rect;
    client -= IsHorizontal() ? KPoint(offset, 0) : KPoint(0, offset);
    return client;
}

// ---- Virtual slots ------------------------------------------------------------------

int KZSizer::DraggedDivider() { return dragged; }
void KZSizer::SetDraggedDivider(int divider) { dragged = divider; }
int KZSizer::ColumnCount() { return 0; }

int KZSizer::DividerPosition(int divider)
{
    if (divider < 1)
        return 0;
    return divider < ColumnCount() ? -1 : cellSize;
}

void KZSizer::MoveDivider(int, int)
{
    KZWindowLeech::Redisplay();
}

void KZSizer::CellRect(int cell, KRect &rect, int part)
{
    const KRect client = ClientRect();
    const int from = DividerPosition(cell);
    const int to = DividerPosition(cell + 1) - 1;
    if (IsHorizontal())
        rect = KRect(from, client.top, to, client.bottom);
    else
        rect = KRect(client.left, from, client.right, to);
    if (part == kPartContent)
        rect.Inflate(-std::abs(edgeDepth));
}

bool KZSizer::CellAt(KPoint point, int *cell)
{
    const int c = Along(point);
    const int count = ColumnCount();
    for (int i = 0; i < count; ++i)
        if (DividerPosition(i) < c && c < DividerPosition(i + 1)) {
            if (cell)
                *cell = i;
            return true;
        }
    return false;
}

void KZSizer::CellClicked(KPoint, int) {}

bool KZSizer::CanMoveDivider(int divider)
{
    const int count = ColumnCount();
    if (count <= 0)
        return false;
    if (divider > 0 && divider < count)
        return true;
    if (divider == 0)
        return (sizerFlags & kSizerFirstMovable) != 0;
    return divider == count && (sizerFlags & kSizerLastMovable) != 0;
}

bool KZSizer::DividerAt(KPoint point, int *divider)
{
    const int c = Along(point);
    int best = 2147483647;
    int found = -1;
    const int count = ColumnCount();
    for (int j = 0; j <= count; ++j) {
        if (!CanMoveDivider(j))
            continue;
        const int p = DividerPosition(j);
        const int d = std::abs(p - c);
        if (d <= tolerance && (d < best || (d == best && p <= c))) {
            best = d;
            found = j;
        }
    }
    if (found < 0)
        return false;
    if (divider)
        *divider = found;
    return true;
}

void KZSizer::CellText(int, KString &, uint32_t &) {}

void KZSizer::DrawCellEdge(int cell)
{
    if (edgeDepth == 0)
        return;
    KRect rect;
    CellRect(cell, rect, kPartEdge);
    if (rect.IsEmpty())
        return;
    KZToolBar::DrawEdge(BarToClient(rect), edgeDepth, kEvtRedisplay);
}

KZPaletteEntry KZSizer::CellPalette(int, uint16_t type, uint16_t state)
{
    KZPaletteEntry entry;
    KZCopyPalette(entry, ResolvePalette(type, state), 0);
    return entry;
}

void KZSizer::DrawCell(int cell)
{
    DrawCellEdge(cell);
    KRect rect;
    CellRect(cell, rect, kPartContent);
    if (rect.IsEmpty())
        return;
    KString255 title;
    uint32_t flags = 0;
    CellText(cell, title, flags);
    if (title.IsEmpty())
        return;
    int horizontal = IsHorizontal() ? 0 : 2;
    if (flags & kTitleLeft)
        horizontal = 0;
    else if (flags & kTitleCentred)
        horizontal = 2;
    else if (flags & kTitleRight)
        horizontal = 1;
    BeginDraw();
    if (auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()))
        display->SetPalette(CellPalette(cell, kPaletteText, PaletteState()).palette);
    DrawTextInRect(BarToClient(rect), title.CStr(), horizontal, 2, -1, false);
    EndDraw();
}

// ---- Drawing ------------------------------------------------------------------------

ZafEventType KZSizer::Draw(const ZafEventStruct &event, ZafEventType code)
{
    ZafRegionStruct region = event.region;
    ConvertRegion(region, kCoordPixels);
    KRect area = KZRectOf(region);
    if (area.IsEmpty())
        area = ClientRect();
    BeginDraw();
    KRect bar = area;
    ParentToClient(bar);
    bar += IsHorizontal() ? KPoint(offset, 0) : KPoint(0, offset);
    const int d = DraggedDivider();
    if (d >= 0) {
        int &from = IsHorizontal() ? bar.left : bar.top;
        int &to = IsHorizontal() ? bar.right : bar.bottom;
        from = std::max(from, DividerPosition(d - 1));
        to = std::min(to, DividerPosition(d + 1) - 1);
    }
    const KRect client = BarToClient(bar);
    const KRect previous = SetClipRect(client);
    KZToolBar::DrawBackground(client, kEvtRedisplay);
    const int count = ColumnCount();
    for (int i = 0; i < count; ++i)
        DrawCell(i);
    SetClipRect(previous);
    EndDraw();
    return code;
}
