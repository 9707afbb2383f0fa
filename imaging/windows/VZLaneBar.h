#pragma once
// VZLaneBar: the lane ruler beside the image rows: one cell per lane of a
// camera, the dividers being the lane boundaries. The lanes come from the
// image's camera, or, without an image, from the hub's camera (the alignment
// pane's case). Boundaries are kept in ten-thousandths of the frame, so the
// ruler scales with its length. Beside an image pane the ruler spans the
// view's rows (its range: the scroll position as the offset, the view height
// as the length), so the lanes stay level with the picture while it scrolls
// or zooms; without a range it spans its own client length. Owned by its
// window; GUI thread.

#include <cstdint>

#include "domain/hardware/VHardwareView.h"
#include "shell/toolkit/lists/KZSizer.h"

class VHardware;
class VImage;

class VZLaneBar : public KZSizer, public VHardwareLanesHook
{
public:
    // Docked at the left of its window, two display cells thick.
    VZLaneBar(VImage *image, VHardware *hardware, int cameraNumber);

    // The dragged divider: kept in the image's camera, else in the bar.
    int DraggedDivider() override;
    void SetDraggedDivider(int divider) override;
    int ColumnCount() override;
    // In bar pixels: -1 without lanes; 0 before the first, the length after the last.
    int DividerPosition(int divider) override;
    void MoveDivider(int divider, int position) override;
    // The cell's lane number (counted from the far end when reversed).
    void CellText(int cell, KString &text, uint32_t &flags) override;

    // The lanes of this image's camera from now on (none: the hub's camera).
    void SetImage(VImage *newImage) { image = newImage; }

    // The camera's lanes changed: the ruler is drawn again.
    void LanesChanged() override { KZSizer::Redisplay(); }

    // The lane whose span holds the position along the bar, -1 none.
    int LaneAt(int position);
    int LaneNumber(int cell);
    // The range's length when one is set, else the client length along the bar.
    int Length();
    // The rows the ruler spans: the first row shown (the bar's offset) and
    // the rows in all; true when either changed (nothing is redrawn).
    bool SetRange(int position, int length);

private:
    bool Reversed() const;
    int32_t StoredBoundary(int lane) const;

    VImage *image;
    VHardware *hardware;
    int cameraNumber;
    int dragged = -1;
};
