#pragma once
// VZHardwarePane: the owner-drawn list of the hardware hub's devices, one
// row per device, each row divided into the columns of its own column list
// in the hub's view. The view keeps the pane's scroll position and
// selection, so a new pane over the same view comes back as the user left
// it. Cells are not edited in place. A column-title bar (VZHardwareTitle) above the list moves the columns
// of the selected row. Cells show no text. Owned by its hardware window;
// GUI thread.

#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/lists/KZEditableSelector.h"

class VHardware;
class VHardwareView;
class VZHardwareTitle;
class VZHardwareWindow;

class VZHardwarePane : public KZEditableSelector, private VZViewedHardware
{
public:
    VZHardwarePane(VZHardwareWindow *window, VHardwareView *hardwareView);

    // The list's program events (routed here by the window) are taken and
    // do nothing; everything else as the list.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The list's layout; the title then keeps the selected row's fitted columns.
    void UpdateLayout() override;
    // One column by the view's item count, then the list's redisplay.
    void Redisplay() override;
    using KZEditableSelector::Redisplay;
    bool SetScrollPosition(KPoint position) override;
    void DrawCell(KPoint unit, int column) override;
    bool SetSelection(KPoint unit) override;
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    // A marked device's cells in colour 12.
    KZPaletteEntry CellPalette(KPoint unit, int column, uint16_t type, uint16_t state) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;
    // No cell is edited in place: no editable columns, nothing to edit.
    int NextEditableColumn(KPoint unit, int after) override;
    int PrevEditableColumn(KPoint unit, int before) override;
    bool CanEdit(KPoint unit, int column) override;

    void SetView(VHardwareView *view);
    VHardwareView *HardwareView() const { return hardwareView; }
    VZHardwareTitle *Title() const { return title; }

private:
    VZHardwareWindow *window;
    VZHardwareTitle *title = nullptr;
};
