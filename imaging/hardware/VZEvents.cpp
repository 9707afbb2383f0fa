#include "imaging/hardware/VZEvents.h"

#include <algorithm>

#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "imaging/image/VImagingTexts.h"
#include "framework/controls/ZafScrollBar.h"
#include "imaging/VZWindowCodes.h"

VZEvents::VZEvents(void *owner, VHardwareView *view, int width, int height)
    : KZTBSelector(width, height), owner(owner), view(view), hardware(view ? view->Hardware() : nullptr)
{
    emptyText = VImagingText(kTextNoEvents);
    for (const wchar_t *key : { kTextCodeArmed, kTextCodeCapturing, kTextCodeScoreboard })
        codeWidth = std::max<int32_t>(codeWidth, TextWidth(VImagingText(key).CStr()));
    codeWidth += 2;
    SetEmptyText(&emptyText);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
}

void VZEvents::Redisplay()
{
    SetExtent(KPoint(1, hardware ? hardware->ArmedList().Count() : 0));
    KZTBSelector::Redisplay();
}

void VZEvents::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    const int32_t rowLeft = rect.left;
    if (column < 3) {
        rect.left = rowLeft + column * codeWidth;
        rect.right = rect.left + codeWidth - 1;
    } else {
        rect.left = rowLeft + 3 * codeWidth;
    }
    KZTBSelector::CellRect(unit, column, rect, part);
}

QVEvent *VZEvents::SelectedEvent() const
{
    if (!hardware)
        return nullptr;
    return static_cast<QVEvent *>(hardware->ArmedList()[Selection().y]);
}
