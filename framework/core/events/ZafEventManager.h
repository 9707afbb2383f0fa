#pragma once
// ZafEventManager: the process-wide event manager. Its list part holds the
// input devices (owned while added); its queue block holds the waiting
// events. The application's loop takes events with Get (the Windows half)
// and hands them to the window manager.
//
// Threads: the thread that makes the manager is its GUI thread. Devices are
// added, removed and addressed on that thread only. The queue is shared: any
// thread may Put while the GUI thread takes events; every queue edit happens
// under the manager's lock, and a Put from another thread wakes the GUI
// thread if it is waiting for OS messages (one wake-up at a time: none is
// sent again until the GUI thread has taken an event).

#include "framework/core/events/ZafDevice.h"
#include "framework/core/base/ZafList.h"
#include "framework/core/base/ZafSharedInstance.h"
#include "framework/core/base/ZafQueueBlock.h"

#include <mutex>

class ZafEventManager : public ZafList, public ZafSharedInstance<ZafEventManager>
{
public:
    explicit ZafEventManager(int queueCapacity = ZafQueueBlock::DEFAULT_CAPACITY);
    ~ZafEventManager() override;

    // Shared(): the event manager of the process; null before one is made.
    // SetShared installs one and answers the previous one.

    // Takes ownership of the device, then sends it ZAF_DEVICE_ADDED. Answers
    // the device.
    ZafDevice *Add(ZafDevice *device);
    // Sends the device ZAF_DEVICE_REMOVED and hands it back to the caller;
    // answers it (null when it is not one of this manager's devices).
    ZafDevice *Subtract(ZafDevice *device);
    ZafDevice *First() const { return static_cast<ZafDevice *>(first); }

    // Copies the event into the queue: at the back with ZAF_QUEUE_BACK
    // (flag 2), else at the front. False when the queue is full (the event
    // is then lost; nothing queued is overwritten). Any thread.
    bool Put(const ZafEventStruct &event, ZafUInt32 flags = ZAF_QUEUE_BACK);
    // Waits for (or, with ZAF_NO_WAIT, looks for) the next event: reads the OS
    // queue, polls the devices and takes a queued event. 0 when an event was
    // delivered; ZAF_NOT_HANDLED with type ZAF_NO_EVENT when none was and the
    // caller would not wait, or when reading the OS queue failed (a waiting Get
    // never spins on a failing read). Defined by the Windows half. GUI thread.
    ZafEventType Get(ZafEventStruct &event, ZafUInt32 flags = 0);

    // Takes the event at the front (back with ZAF_QUEUE_BACK) of the queue
    // without reading the OS queue; leaves it queued with ZAF_PEEK. False
    // when the queue is empty. Any thread.
    bool TakeQueued(ZafEventStruct &event, ZafUInt32 flags = 0);
    // Removes the front event when it is of the input class (keyboard or
    // mouse input of a device that is off): the look and the removal are one
    // locked step, so an event put meanwhile by another thread stays. True
    // when one was removed. Any thread.
    bool DropFrontInput(ZafEventType inputClass);
    bool QueueEmpty() const;
    bool QueueFull() const;
    int QueueCount() const;
    // Drops every queued event.
    void ClearQueue();
    // Polls every device once, in list order.
    void PollDevices();

    // Gives an event of type 'value' to the first device of the type and
    // answers the device's answer; the value itself when no device has it.
    ZafEventType DeviceState(ZafDeviceType type, ZafEventType value);
    // Gives every device of the type an event of type 'state' and then
    // ZAF_DEVICE_STATE_QUERY; answers the last answer to it, ZAF_DEVICE_OFF
    // when there is none.
    ZafEventType SetDeviceState(ZafDeviceType type, ZafDeviceState state);
    // Gives the event to every device of the type (99: every device);
    // answers the last answer, ZAF_NOT_HANDLED when no device took it.
    ZafEventType BroadcastToDevices(const ZafEventStruct &event, ZafDeviceType type);

private:
    // The Windows half (ZafEventManagerThread.cpp): the calling thread's id,
    // making sure it has an OS message queue; and waking the GUI thread.
    static unsigned long AttachThread();
    static unsigned long CurrentThread();
    void WakeGUIThread() const;

    unsigned long guiThread;
    mutable std::mutex queueLock;
    bool wakePending = false;         // a wake-up is on its way (under the lock)
    ZafQueueBlock queueBlock;
};
