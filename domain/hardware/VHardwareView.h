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

// What the view tells about the camera's lanes: the alignment window and the
// lane bar it shows.
class VHardwareLanesHook
{
public:
    virtual ~VHardwareLanesHook() = default;
    virtual void LanesChanged() = 0;
};

class VHardwareView
{
public:
    explicit VHardwareView(VHardware *hardware) : m_hardware(hardware), m_selection(-1, -1) {}
    virtual ~VHardwareView() = default;

    VHardware *Hardware() const { return m_hardware; }
    void SetWindow(QVHardwareWindowHook *window) { m_window = window; }
    QVHardwareWindowHook *Window() const { return m_window; }
    // Set by the hardware tool bar when it is made, cleared when it goes.
    void SetToolBar(QVHardwareWindowHook *toolBar) { m_toolBar = toolBar; }
    QVHardwareWindowHook *ToolBar() const { return m_toolBar; }

    // The alignment window and its lane bar, set while they exist.
    void SetAlignWindow(VHardwareLanesHook *window) { m_alignWindow = window; }
    VHardwareLanesHook *AlignWindow() const { return m_alignWindow; }
    void SetLaneBar(VHardwareLanesHook *bar) { m_laneBar = bar; }
    VHardwareLanesHook *LaneBar() const { return m_laneBar; }
    // The camera's lanes changed: the alignment window shows them again.
    void LanesChanged();

    // Rows are the hub's devices; each row has a list of column edges.
    // Virtual so that a view of a hub with devices can answer for them.
    virtual int ItemCount() const;
    // Last column of a row; 0 for an invalid row.
    virtual int LastColumn(int row) const;
    // Spreads the row's columns over width pixels; keep stores the result
    // as the row list's default widths.
    virtual void FitColumns(int row, int32_t width, bool keep);
    virtual int32_t ColumnPosition(int row, int column) const;
    virtual int32_t ColumnWidth(int row, int column) const;
    // True when the column's edge moved.
    virtual bool SetColumnPosition(int row, int column, int32_t x);

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
    VHardwareLanesHook *m_alignWindow = nullptr;
    VHardwareLanesHook *m_laneBar = nullptr;
    KPoint m_scroll;
    KPoint m_selection;
};
