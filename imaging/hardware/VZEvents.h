#pragma once
// VZEvents: a tool-bar list of the events armed on the hardware hub, one row
// each, with three status-code columns (armed, capturing, scoreboard) and the
// rest of the row; its cells carry no text yet. Owned by its bar; GUI thread
// only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "shell/toolkit/bars/KZTBSelector.h"

class QVEvent;
class VHardware;
class VHardwareView;

class VZEvents : public KZTBSelector
{
public:
    // owner is kept only; width and height in pixels.
    VZEvents(void *owner, VHardwareView *view, int width, int height);

    // One row per armed event, then the selector's redisplay.
    void Redisplay() override;
    using KZTBSelector::Redisplay;
    int ColumnCount(KPoint) override { return 4; }
    // Columns 0 to 2 are one code width each from the row's left edge,
    // column 3 the rest of the row.
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    void CellText(KPoint, int, KString &, uint32_t &) override {}
    // The armed event of the selected row; none without one.
    QVEvent *SelectedEvent() const;
    int32_t CodeWidth() const { return codeWidth; }

private:
    void *owner;
    VHardwareView *view;
    VHardware *hardware;
    int32_t codeWidth = 0;
    KString emptyText;
};
