#pragma once
// VZHardwareTitle: the column-title bar above the hardware list. Its
// dividers are the column edges of the list's selected row, kept by the
// hub's view; moving one moves that column and redraws bar and list. With no
// row selected the view answers no columns, so there is nothing to move.
// Owned by its pane; GUI thread.

#include "shell/toolkit/lists/KZSizer.h"

class VHardwareView;
class VZHardwarePane;

class VZHardwareTitle : public KZSizer
{
public:
    VZHardwareTitle(VZHardwarePane *pane, VHardwareView *hardwareView, int size);

    ZafEventType Draw(const ZafEventStruct &event, ZafEventType code) override;
    int ColumnCount() override;
    int DividerPosition(int divider) override;
    void MoveDivider(int divider, int position) override;

    // The bar's cell size; a size of 0 or more also makes the selected
    // row's columns, fitted to the bar, that row list's default widths.
    bool SetCellSize(int pixels);
    int CellSize() const { return KZSizer::CellSize(); }

    void SetView(VHardwareView *view) { hardwareView = view; }

private:
    int SelectedRow() const;
    // Fits the selected row's columns to the bar's width.
    void Fit(bool keep);

    VZHardwarePane *pane;
    VHardwareView *hardwareView;
};
