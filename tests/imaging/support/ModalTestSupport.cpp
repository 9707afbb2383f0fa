#include "imaging/support/ModalTestSupport.h"

#include "framework/core/events/ZafEventManager.h"

void QueueEvent(ZafEventType type)
{
    ZafEventManager::Shared()->Put(ZafEventStruct(type, 0));
}
