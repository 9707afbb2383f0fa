#pragma once
// VImageViewWindow: what an image view asks of the window that shows it
// (the image window and its pane implement it). The view calls these when
// its image, camera, zoom or a sibling view announce a change; the window
// decides how to show it. GUI thread.

#include <cstdint>

class VRaceTime;

class VImageViewWindow
{
public:
    virtual ~VImageViewWindow() = default;

    // Redraws the view; fullRepaint also repaints what did not change.
    virtual void Redraw(bool fullRepaint) = 0;
    virtual void LanesChanged() = 0;
    virtual void ExtentChanged() = 0;
    virtual void BlockAdded() = 0;
    // Whether the window has its image pane (time track, follow and lines
    // need it).
    virtual bool HasPane() const = 0;
    // Moves the time track to time; y is the pane row, -1 when the sender's
    // rows do not apply.
    virtual void MoveTimeTrack(const VRaceTime &time, int32_t y) = 0;
    virtual void Follow(uint32_t value) = 0;
    virtual void ShowLines(bool on) = 0;
};
