#pragma once
// KZSelector: the toolkit's owner-drawn list. A scroller whose unit is one
// row as wide as the window, divided into columns (cells), with one selected
// unit, mouse selection with dragging and automatic scrolling, list colours
// from the system, an optional column-title bar kept as wide as a row, and
// cell texts from a provider or an overriding CellText. A pane supplies the
// extent, the cell texts and what a selection means. Owned by its parent
// window once added; GUI thread only.

#include <cstdint>
#include <memory>

#include "shell/toolkit/lists/KZScroller.h"

class KString;
class KZSizer;

class KZSelector : public KZScroller
{
public:
    // Called for each cell as provider(unit, column, text to append to,
    // format flags to set bits in, user data).
    using CellTextProvider = void (*)(KPoint unit, int column, KString &text, uint32_t &flags, void *user);

    // A rectangle in pixels; the row height is the line height of font 1.
    KZSelector(int left, int top, int width, int height);
    ~KZSelector() override;

    // Mouse selection and tracking (answers the logical code); the rest as KZScroller.
    ZafEventType Event(const ZafEventStruct &event) override;
    // List colours: highlight for the selected unit, window colours for the others.
    void ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state) override;

    // ---- Scroller slots ----
    void UpdateLayout() override;
    // Clamps the selection into the extent again and redraws the header too.
    void Redisplay() override;
    using KZScroller::Redisplay;
    // 6 steps per second, 9 after 1.5 s.
    int AutoScrollRate(int32_t elapsed) override;
    // State 0x8 for the selection when it is visible in full.
    KZPaletteEntry UnitPalette(KPoint unit, uint16_t type, uint16_t state) override;
    // The row background, then every cell of a unit inside the extent.
    void DrawUnit(KPoint unit) override;

    // ---- Selector slots, in order ----
    // Stores the unit clamped into the extent ((-1, -1) while the extent is
    // empty); true when it changed.
    virtual bool SetSelection(KPoint unit);
    // SetSelection, then redraws the old and the new unit when it changed.
    virtual void Select(KPoint unit);
    // A press on a cell (mode 1 left on the selected unit, 2 right); true
    // when the press was consumed. Base: false.
    virtual bool CellClicked(KPoint pixel, int mode);
    // Reserved; never called.
    virtual void CellDragged(KPoint from, KPoint to);
    virtual int ColumnCount(KPoint unit);
    // Narrows rect, which the caller sets to the unit's rectangle, to the
    // column's cell, its edge (part 1) or its content area (part 2).
    virtual void CellRect(KPoint unit, int column, KRect &rect, int part);
    virtual KZPaletteEntry CellPalette(KPoint unit, int column, uint16_t type, uint16_t state);
    // The provider's text and format flags; empty without a provider.
    virtual void CellText(KPoint unit, int column, KString &text, uint32_t &flags);
    virtual void DrawCellEdge(KPoint unit, int column);
    virtual void DrawCell(KPoint unit, int column);

    // ---- Non-virtual ----
    KPoint Selection() const { return selection; }
    // count column positions, all 0; count and positions unchanged when
    // count is negative or the memory cannot be had.
    void SetColumnCount(int count);
    // Ignored before SetColumnCount or for a column outside the count.
    void SetColumnPosition(int column, int x);
    // count columns side by side from the row's left, widths in pixels; the
    // last one reaches the row's right end whatever its width.
    void SetColumnWidths(const int *widths, int count);
    void SetCellTextProvider(CellTextProvider function, void *user);
    // Moves the client pixel point to its unit and answers through column
    // the cell that holds the pixel (-1 none).
    void ColumnAt(KPoint &point, int *column);

    KZSizer *HeaderBar() const { return header; }
    void SetHeaderBar(KZSizer *bar) { header = bar; }
    uint32_t SelectorFlags() const { return selectorFlags; }
    void SetSelectorFlags(uint32_t flags) { selectorFlags = flags; }
    KRect CellMargins() const { return margins; }
    void SetCellMargins(const KRect &insets) { margins = insets; }
    int CellEdgeDepth() const { return edgeDepth; }
    void SetCellEdgeDepth(int depth) { edgeDepth = depth; }

protected:
    // Gives the OS colours of system-default colour bytes still unset: the
    // given system colour indexes, -1 leaving a colour unset.
    static void UseSystemColors(ZafPaletteStruct &palette, int foreground, int background);
    void ResolveFrameworkColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state);
    // The list colours: the highlight for the selected unit, for the others
    // the window's text on unselectedBackground (a system colour index, -1
    // leaving it unset); then the framework's colours for the rest.
    void ResolveListColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state,
                           int unselectedBackground);

private:
    void Press(KPoint position);
    void RightPress(KPoint position);
    // The unit under a press at position (parent coordinates) and the press
    // in client pixels; false when that unit is not shown in full inside
    // the extent.
    bool PressedUnit(KPoint position, KPoint &unit, KPoint &pixel);
    void Track(ZafLogicalEvent code, KPoint position);

    KZSizer *header = nullptr;
    KPoint selection{ -1, -1 };
    uint32_t selectorFlags = 0;
    KPoint pressUnit{ 0, 0 };
    KRect margins{ 0, 0, 0, 0 };
    int edgeDepth = 0;
    int columnCount = 1;
    std::unique_ptr<int32_t[]> columnPositions;
    CellTextProvider provider = nullptr;
    void *providerData = nullptr;
};
