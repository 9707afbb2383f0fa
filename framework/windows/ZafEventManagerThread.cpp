// The Windows half of the event manager's thread handling: which thread is
// the GUI thread, and waking it when another thread queues an event.

#include "framework/core/events/ZafEventManager.h"

#include <windows.h>

unsigned long ZafEventManager::AttachThread()
{
    // PostThreadMessage fails for a thread without a message queue; the
    // first peek makes one.
    MSG message;
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    return GetCurrentThreadId();
}

unsigned long ZafEventManager::CurrentThread()
{
    return GetCurrentThreadId();
}

void ZafEventManager::WakeGUIThread() const
{
    // WM_NULL does nothing wherever it ends up; it only ends a wait in
    // GetMessage so that the queued event is seen.
    PostThreadMessageW(DWORD(guiThread), WM_NULL, 0, 0);
}
