#include "imaging/support/HardwareTestSupport.h"

#include "domain/QVDomainCodes.h"

void SelectionRecordingEvent::Handle(const KMessage &message)
{
    if ((message.code & kMsgTopicMask) == kMsgSelect)
        selections.push_back(*reinterpret_cast<const KPoint *>(uintptr_t(message.data)));
    QVEvent::Handle(message);
}
