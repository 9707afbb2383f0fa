#include "ui/chart/QVZIdPane.h"

namespace {

constexpr int kDroppedEvent = 1002;

} // namespace

QVZIdPane::QVZIdPane(ZafWindowObject *owner, ZafStringData *text, int width)
    : KZTBString(text, width), owner(owner)
{
}

ZafEventType QVZIdPane::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    if (MapEvent(mapped) == kDroppedEvent)
        return kDroppedEvent;
    return KZString::Event(event);
}
