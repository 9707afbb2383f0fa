// KZSelector: construction, columns, cells, drawing and list colours. Mouse
// handling is in KZSelectorMouse.cpp.
#include "shell/toolkit/lists/KZSelector.h"

#include <windows.h>

#include <new>

#include "foundation/strings/KString.h"
#include "shell/toolkit/window/KZFontCache.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/lists/KZSizer.h"

namespace {

constexpr ZafInt8 kListFont = 1;

int32_t ClampAxis(int32_t value, int32_t count)
{
    if (count <= 0)
        return -1;
    return value < 0 ? 0 : (value > count - 1 ? count - 1 : value);
}

} // namespace

KZSelector::KZSelector(int left, int top, int width, int height) : KZScroller(left, top, width, height)
{
    SetFont(kListFont);
    SetUnitSize(KPoint(0, KZFontHeight(kListFont)));
    SetLayoutFlags(LayoutFlags() | kScrollUnitWidthFollows);
    selectorFlags = kSelectorHeaderFollows;
}

KZSelector::~KZSelector() = default;

// ---- Scroller slots ---------------------------------------------------------------

void KZSelector::UpdateLayout()
{
    KZScroller::UpdateLayout();
    if (header && (selectorFlags & kSelectorHeaderFollows) && header->SetCellSize(UnitSize().x) &&
        !(LeechFlags() & kFullRedrawAfterResize))
        header->Redisplay();
}

void KZSelector::Redisplay()
{
    SetSelection(selection);
    if (header)
        header->Redisplay();
    KZScroller::Redisplay();
}

int KZSelector::AutoScrollRate(int32_t elapsed)
{
    return elapsed > 1499 ? 9 : 6;
}

KZPaletteEntry KZSelector::UnitPalette(KPoint unit, uint16_t type, uint16_t state)
{
    if (unit == selection && IsUnitVisible(unit, true))
        state |= kStateSelected;
    return KZScroller::UnitPalette(unit, type, state);
}

void KZSelector::DrawUnit(KPoint unit)
{
    BeginDraw();
    KZScroller::DrawUnit(unit);
    if (ExtentRect().ContainsPoint(unit)) {
        const int count = ColumnCount(unit);
        for (int column = 0; column < count; ++column)
            DrawCell(unit, column);
    }
    EndDraw();
}

// ---- Selector slots ---------------------------------------------------------------

bool KZSelector::SetSelection(KPoint unit)
{
    // A list without rows (or columns) has no selectable unit at all.
    const KPoint extent = Extent();
    const KPoint stored = ExtentRect().IsEmpty() ? KPoint(-1, -1)
                                                 : KPoint(ClampAxis(unit.x, extent.x), ClampAxis(unit.y, extent.y));
    if (stored == selection)
        return false;
    selection = stored;
    return true;
}

void KZSelector::Select(KPoint unit)
{
    const KPoint old = selection;
    if (!SetSelection(unit))
        return;
    RedrawRect(KRect(old.x, old.y, old.x, old.y), kEvtRedisplay);
    RedrawRect(KRect(selection.x, selection.y, selection.x, selection.y), kEvtRedisplay);
}

bool KZSelector::CellClicked(KPoint, int) { return false; }
void KZSelector::CellDragged(KPoint, KPoint) {}
int KZSelector::ColumnCount(KPoint) { return columnCount; }

// Positions beyond the stored array (a pane that answers more columns than
// it gave positions for) leave the cell as the whole row from there.
void KZSelector::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    if (columnPositions && column >= 0 && column < columnCount) {
        const int32_t start = columnPositions[column];
        if (column > 0)
            rect.left += start;
        if (column < ColumnCount(unit) - 1 && column + 1 < columnCount)
            rect.right = rect.left + (columnPositions[column + 1] - start) - 1;
    }
    if (part == kPartContent) {
        rect.left += margins.left;
        rect.top += margins.top;
        rect.right -= margins.right;
        rect.bottom -= margins.bottom;
    }
}

KZPaletteEntry KZSelector::CellPalette(KPoint unit, int, uint16_t type, uint16_t state)
{
    return UnitPalette(unit, type, state);
}

void KZSelector::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    if (provider)
        provider(unit, column, text, flags, providerData);
}

void KZSelector::DrawCellEdge(KPoint unit, int column)
{
    if (edgeDepth == 0)
        return;
    KRect rect;
    UnitRect(unit, rect);
    CellRect(unit, column, rect, kPartEdge);
    if (rect.IsEmpty())
        return;
    BeginDraw();
    DrawEdge(rect, edgeDepth, kEvtRedisplay);
    EndDraw();
}

void KZSelector::DrawCell(KPoint unit, int column)
{
    DrawCellEdge(unit, column);
    KRect rect;
    UnitRect(unit, rect);
    CellRect(unit, column, rect, kPartContent);
    if (rect.IsEmpty())
        return;
    KString255 text;
    uint32_t flags = 0;
    CellText(unit, column, text, flags);
    if (text.IsEmpty())
        return;
    BeginDraw();
    const uint16_t state = (flags & kCellGreyed) ? kStateGreyed : PaletteState();
    const KZPaletteEntry palette = CellPalette(unit, column, kPaletteText, state);
    UsePalette(palette);
    if (ZafUInt8(palette.palette.colorBackground) != ZAF_SYSTEM_COLOR)
        DrawRectangle(rect, 0, true);
    const int horizontal = (flags & kCellRight) ? 1 : ((flags & kCellCentred) ? 2 : 0);
    DrawTextInRect(rect, text.CStr(), horizontal, 0, -1, false);
    EndDraw();
}

// ---- Columns and cells ------------------------------------------------------------

void KZSelector::SetColumnCount(int count)
{
    if (count < 0)
        return;
    std::unique_ptr<int32_t[]> positions(new (std::nothrow) int32_t[size_t(count) + 1]());
    if (!positions)
        return;
    columnPositions = std::move(positions);
    columnCount = count;
}

void KZSelector::SetColumnPosition(int column, int x)
{
    if (columnPositions && column >= 0 && column < columnCount)
        columnPositions[column] = x;
}

void KZSelector::SetColumnWidths(const int *widths, int count)
{
    SetColumnCount(count);
    int x = 0;
    for (int column = 0; column < count; ++column) {
        SetColumnPosition(column, x);
        x += widths[column];
    }
}

void KZSelector::SetCellTextProvider(CellTextProvider function, void *user)
{
    provider = function;
    providerData = user;
}

void KZSelector::ColumnAt(KPoint &point, int *column)
{
    const KPoint pixel = point;
    point = PixelToUnit(point);
    int found = -1;
    KRect row;
    UnitRect(point, row);
    const int count = ColumnCount(point);
    for (int c = 0; c < count && found < 0; ++c) {
        KRect cell = row;
        CellRect(point, c, cell, kPartCell);
        if (cell.ContainsPoint(pixel))
            found = c;
    }
    if (column)
        *column = found;
}

// ---- List colours -----------------------------------------------------------------

void KZSelector::UseSystemColors(ZafPaletteStruct &palette, int foreground, int background)
{
    if (foreground >= 0 && ZafUInt8(palette.colorForeground) == ZAF_SYSTEM_COLOR &&
        palette.osColorForeground == ZAF_UNSET_OS_COLOR)
        palette.osColorForeground = GetSysColor(foreground);
    if (background >= 0 && ZafUInt8(palette.colorBackground) == ZAF_SYSTEM_COLOR &&
        palette.osColorBackground == ZAF_UNSET_OS_COLOR)
        palette.osColorBackground = GetSysColor(background);
}

void KZSelector::ResolveFrameworkColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    ZafWindow::ResolveSystemColors(palette, type, state);
}

void KZSelector::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    ResolveListColors(palette, type, state, COLOR_WINDOW);
}

void KZSelector::ResolveListColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state,
                                   int unselectedBackground)
{
    const bool selected = (state & kStateSelected) != 0;
    const bool greyed = (state & kStateGreyed) != 0;
    const int background = selected ? COLOR_HIGHLIGHT : unselectedBackground;
    if (type & (kPaletteText | kPaletteFaceText))
        UseSystemColors(palette, greyed ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
                        background);
    else if (type & kPaletteBackground)
        UseSystemColors(palette, background, background);
    ResolveFrameworkColors(palette, type, state);
}
