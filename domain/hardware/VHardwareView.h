#pragma once
// VHardwareView: the view of the hardware hub: the hardware window and the
// hardware tool bar it notifies, its stored scroll position and selection,
// and the column geometry of the device list (empty in this program: no
// devices, so no rows and no columns). Held by the hub; GUI thread.

#include <cstdint>

#include "foundation/values/KPoint.h"

class KMessage;
class QVHardwareWindowHook;
class VHardware;

class VHardwareView
{
public:
    explicit VHardwareView(VHardware *hardware) : m_hardware(hardware), m_selection(-1, -1) {}

    VHardware *Hardware() const { return m_hardware; }
    void SetWindow(QVHardwareWindowHook *window) { m_window = window; }
    QVHardwareWindowHook *Window() const { return m_window; }
    // Set by the hardware tool bar when it is made, cleared when it goes.
    void SetToolBar(QVHardwareWindowHook *toolBar) { m_toolBar = toolBar; }
    QVHardwareWindowHook *ToolBar() const { return m_toolBar; }

    // Rows are the hub's devices.
    int ItemCount() const;
    // Last column of a row; 0 for an invalid row.
    int LastColumn(int row) const;
    void FitColumns(int row, int32_t width, bool keep);
    int32_t ColumnPosition(int row, int column) const;
    int32_t ColumnWidth(int row, int column) const;
    bool SetColumnPosition(int row, int column, int32_t x);

    const KPoint &ScrollPosition() const { return m_scroll; }
    void SetScrollPosition(const KPoint &position) { m_scroll = position; }
    const KPoint &Selection() const { return m_selection; }
    void SetSelection(const KPoint &cell) { m_selection = cell; }

    // Tells the window and the tool bar that the hub changed.
    void Handle(const KMessage &message);

private:
    VHardware *m_hardware;
    QVHardwareWindowHook *m_window = nullptr;
    QVHardwareWindowHook *m_toolBar = nullptr;
    KPoint m_scroll;
    KPoint m_selection;
};
