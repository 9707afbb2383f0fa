#pragma once
// VZStarts: a tool-bar list of the newest start times the hardware hub keeps
// (at most 100), the newest in the first row, each at 0.01 s. Update follows
// the hub: a new start redraws the list and beeps. Owned by its bar; GUI
// thread only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "shell/toolkit/bars/KZTBSelector.h"

class VHardware;
class VHardwareView;

class VZStarts : public KZTBSelector
{
public:
    // owner is kept only; width and height in pixels.
    VZStarts(void *owner, VHardwareView *view, int width, int height);

    // Takes the hub's newest starts; a changed count or first record
    // redraws the list and beeps once.
    void Update();
    // Number of the start record shown in row.
    int StartIndex(int row) const;
    // The start's time at 0.01 s, right-aligned; nothing when the hub no
    // longer keeps it.
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

protected:
    // The default system beep for a new start.
    virtual void Beep();

private:
    void *owner;
    VHardwareView *view;
    VHardware *hardware;
    int32_t first = 0;
    KString emptyText;
};
