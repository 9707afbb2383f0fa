// The Windows half of event retrieval: ZafEventManager::Get reads the
// thread's OS message queue (waiting or peeking), queues each message as a
// raw event, polls the devices and hands out the next queued event. Messages
// are never translated or dispatched here; the caller's loop gives the event
// to the window manager.
#include <windows.h>

#include "framework/core/events/ZafEventManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSEventWin.h"

namespace {

// Reads one OS message into the queue. With noWait only a message that is
// already waiting is read, and only while the queue has room for it. False
// when GetMessage failed.
bool ReadOSMessage(ZafEventManager &manager, bool noWait)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    MSG message;
    if (noWait)
    {
        if (manager.QueueFull() || !os.peekMessage(&message, nullptr, 0, 0, PM_NOREMOVE))
            return true;
    }
    // GetMessage answers 0 for WM_QUIT (which is queued like any other
    // message, so that the window manager sees it) and -1 on failure.
    if (os.getMessage(&message, nullptr, 0, 0) == -1)
        return false;
    manager.Put(ZafEventStruct(ZAF_EVENT_OS, ZafOSEventFromMSG(message)), ZAF_QUEUE_BACK);
    return true;
}

ZafEventType NoEvent(ZafEventStruct &event)
{
    event = ZafEventStruct();
    event.type = ZAF_NO_EVENT;
    return ZAF_NOT_HANDLED;
}

} // namespace

ZafEventType ZafEventManager::Get(ZafEventStruct &event, ZafUInt32 flags)
{
    const bool noWait = (flags & ZAF_NO_WAIT) != 0;
    for (;;)
    {
        bool read = true;
        if (QueueEmpty() && !(flags & ZAF_QUEUE_ONLY))
        {
            read = ReadOSMessage(*this, noWait);
            PollDevices();
        }
        if (TakeQueued(event, flags & (ZAF_QUEUE_BACK | ZAF_PEEK)))
            return 0;
        if (noWait || !read)
            return NoEvent(event);
        // Flag 8 without flag 1 on an empty queue could never end: nothing
        // would be read. Read the OS queue rather than spin for ever.
        if ((flags & ZAF_QUEUE_ONLY) && !ReadOSMessage(*this, false))
            return NoEvent(event);
    }
}
