#pragma once
// KZSizer: a tool bar showing a row of title cells separated by dividers that
// the user drags with the mouse. Above a list it is the list's column-title
// bar. The bar keeps no column layout: a derived class answers how many cells
// there are and where each divider lies, and decides what a divider move
// does. Docked at the top or bottom it is horizontal, at the left or right
// vertical; "along the bar" means x or y accordingly. Positions, cells and
// dividers are in bar coordinates: client pixels with the offset added along
// the bar. Owned by its window once added; GUI thread only.

#include <cstdint>

#include "shell/toolkit/window/KZPalette.h"
#include "shell/toolkit/bars/KZToolBar.h"

class KZSizer : public KZToolBar
{
public:
    // A bar of fixed thickness whose title row is cellSize pixels long.
    KZSizer(int dockPosition, int thickness, int cellSize, int offset);
    ~KZSizer() override;

    // Pointer shapes over dividers, presses, drags (answers the logical code).
    ZafEventType Event(const ZafEventStruct &event) override;
    // The background and every cell; during a drag only the two cells at the divider.
    ZafEventType Draw(const ZafEventStruct &event, ZafEventType code) override;

    // ---- Virtual slots, in order ----
    virtual int DraggedDivider();
    virtual void SetDraggedDivider(int divider);
    virtual int ColumnCount();
    // Base: 0 before the first, the cell size from the count on, -1 between.
    virtual int DividerPosition(int divider);
    // Base: redraws the whole bar.
    virtual void MoveDivider(int divider, int position);
    // Cell i between divider i and i + 1 across the whole bar; part 2 shrunk
    // by the edge depth on every side.
    virtual void CellRect(int cell, KRect &rect, int part);
    // The cell whose open interval between its dividers holds the point.
    virtual bool CellAt(KPoint point, int *cell);
    virtual void CellClicked(KPoint point, int cell);
    virtual bool CanMoveDivider(int divider);
    // The nearest movable divider within the tolerance; of two equally near
    // ones the one at or before the point.
    virtual bool DividerAt(KPoint point, int *divider);
    // Text and format flags (0x1 left, 0x2 centred, 0x4 right); base none.
    virtual void CellText(int cell, KString &text, uint32_t &flags);
    virtual void DrawCellEdge(int cell);
    virtual KZPaletteEntry CellPalette(int cell, uint16_t type, uint16_t state);
    virtual void DrawCell(int cell);

    // Store the value; true when it changed (nothing is redrawn).
    bool SetCellSize(int pixels);
    bool SetOffset(int pixels);
    int CellSize() const { return cellSize; }
    int Offset() const { return offset; }
    uint32_t SizerFlags() const { return sizerFlags; }
    void SetSizerFlags(uint32_t flags) { sizerFlags = flags; }
    int Tolerance() const { return tolerance; }
    int CellEdgeDepth() const { return edgeDepth; }
    void SetCellEdgeDepth(int depth) { edgeDepth = depth; }

    // Bar coordinates from a position in the parent's (event) coordinates, and back to client pixels.
    KPoint ToBar(KPoint position);
    KRect BarToClient(const KRect &rect);

private:
    int Along(KPoint point) const { return IsHorizontal() ? point.x : point.y; }
    void SetPointer(KPoint point);
    void Press(KPoint point);

    uint32_t sizerFlags;
    int offset;
    int cellSize;
    int dragged = -1;
    int tolerance = 7;
    int edgeDepth = 1;
};
