#include "imaging/hardware/VZStarts.h"

#include <windows.h>

#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "domain/timing/VRaceTime.h"
#include "imaging/image/VImagingTexts.h"
#include "framework/controls/ZafScrollBar.h"
#include "imaging/VZWindowCodes.h"
#include "shell/toolkit/lists/KZListCodes.h"

VZStarts::VZStarts(void *owner, VHardwareView *view, int width, int height)
    : KZTBSelector(width, height), owner(owner), view(view), hardware(view ? view->Hardware() : nullptr)
{
    emptyText = VImagingText(kTextNoStarts);
    SetEmptyText(&emptyText);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
}

void VZStarts::Update()
{
    if (!hardware)
        return;
    int count = 0;
    int newFirst = 0;
    hardware->RecentStarts(count, newFirst);
    const int rows = Extent().y;
    if (count == rows && newFirst == first)
        return;
    SetExtent(KPoint(1, count));
    first = newFirst;
    SetSelection(Selection());
    if (count != rows)
        UpdateScrollBars();
    Redisplay();
    Beep();
}

int VZStarts::StartIndex(int row) const
{
    return Extent().y + first - row - 1;
}

void VZStarts::CellText(KPoint unit, int, KString &text, uint32_t &flags)
{
    VRaceTime time;
    if (!hardware || !hardware->GetStart(StartIndex(unit.y), time))
        return;
    time.Format(text, VRaceTime::kHundredth);
    flags |= kCellRight;
}

void VZStarts::Beep()
{
    MessageBeep(0);
}
