#include "framework/core/events/ZafEventManager.h"

ZafEventManager::ZafEventManager(int queueCapacity) : guiThread(AttachThread()), queueBlock(queueCapacity)
{
}

ZafEventManager::~ZafEventManager()
{
    ForgetShared(this);
    // Devices still added are told they leave before they are deleted.
    while (ZafDevice *device = First())
        delete Subtract(device);
}

ZafDevice *ZafEventManager::Add(ZafDevice *device)
{
    if (!device)
        return nullptr;
    ZafList::Add(device);
    device->Event(ZafEventStruct(ZAF_DEVICE_ADDED, 0));
    return device;
}

ZafDevice *ZafEventManager::Subtract(ZafDevice *device)
{
    if (!device || !Contains(device))
        return nullptr;
    device->Event(ZafEventStruct(ZAF_DEVICE_REMOVED, 0));
    ZafList::Subtract(device);
    return device;
}

bool ZafEventManager::Put(const ZafEventStruct &event, ZafUInt32 flags)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> guard(queueLock);
        if (!queueBlock.Put(event, (flags & ZAF_QUEUE_BACK) != 0))
            return false;
        if (!wakePending && CurrentThread() != guiThread)
            wake = wakePending = true;
    }
    // The GUI thread may be blocked reading OS messages: give it one.
    if (wake)
        WakeGUIThread();
    return true;
}

bool ZafEventManager::TakeQueued(ZafEventStruct &event, ZafUInt32 flags)
{
    std::lock_guard<std::mutex> guard(queueLock);
    ZafQueueElement *element = (flags & ZAF_QUEUE_BACK) ? queueBlock.Back() : queueBlock.Front();
    if (!element)
        return false;
    event = element->event;
    if (!(flags & ZAF_PEEK))
        queueBlock.Remove(element);
    if (CurrentThread() == guiThread)
        wakePending = false;
    return true;
}

bool ZafEventManager::DropFrontInput(ZafEventType inputClass)
{
    std::lock_guard<std::mutex> guard(queueLock);
    ZafQueueElement *element = queueBlock.Front();
    if (!element || element->event.InputClass() != inputClass)
        return false;
    queueBlock.Remove(element);
    return true;
}

bool ZafEventManager::QueueEmpty() const
{
    std::lock_guard<std::mutex> guard(queueLock);
    return queueBlock.Count() == 0;
}

bool ZafEventManager::QueueFull() const
{
    std::lock_guard<std::mutex> guard(queueLock);
    return queueBlock.FreeCount() == 0;
}

int ZafEventManager::QueueCount() const
{
    std::lock_guard<std::mutex> guard(queueLock);
    return queueBlock.Count();
}

void ZafEventManager::ClearQueue()
{
    std::lock_guard<std::mutex> guard(queueLock);
    queueBlock.Clear();
}

void ZafEventManager::PollDevices()
{
    for (ZafDevice *device = First(); device; device = device->Next())
        device->Poll();
}

ZafEventType ZafEventManager::DeviceState(ZafDeviceType type, ZafEventType value)
{
    for (ZafDevice *device = First(); device; device = device->Next())
        if (device->DeviceType() == type)
            return device->Event(ZafEventStruct(value, 0));
    return value;
}

ZafEventType ZafEventManager::SetDeviceState(ZafDeviceType type, ZafDeviceState state)
{
    ZafEventType answer = ZAF_DEVICE_OFF;
    for (ZafDevice *device = First(); device; device = device->Next()) {
        if (device->DeviceType() != type)
            continue;
        device->Event(ZafEventStruct(state, 0));
        answer = device->Event(ZafEventStruct(ZAF_DEVICE_STATE_QUERY, 0));
    }
    return answer;
}

ZafEventType ZafEventManager::BroadcastToDevices(const ZafEventStruct &event, ZafDeviceType type)
{
    ZafEventType answer = ZAF_NOT_HANDLED;
    for (ZafDevice *device = First(); device; device = device->Next())
        if (type == ZAF_ALL_DEVICES || device->DeviceType() == type)
            answer = device->Event(event);
    return answer;
}
