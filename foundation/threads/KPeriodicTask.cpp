#include "foundation/threads/KPeriodicTask.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

#include <windows.h>
#include <process.h>

struct KPeriodicTaskThread {
    static unsigned __stdcall Main(void *task)
    {
        static_cast<KPeriodicTask *>(task)->Run();
        return 0;
    }
};

namespace {

int SystemPriority(int priority)
{
    static const int kPriorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                                      THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                                      THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                      THREAD_PRIORITY_TIME_CRITICAL};
    return kPriorities[KMin(3, KMax(-3, priority)) + 3];
}

} // namespace

KPeriodicTask::KPeriodicTask() = default;

KPeriodicTask::~KPeriodicTask()
{
    Stop();
}

bool KPeriodicTask::Start(int32_t period, int priority, uint32_t stackSize)
{
    if (itsThread)
        return false;
    itsEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!itsEvent)
        return false;
    itsPeriod = KMax(1, period);
    itsQuit = false;
    itsState = kPaused;
    // Suspended, so the priority is in place before the first wait.
    uintptr_t thread = _beginthreadex(nullptr, stackSize, &KPeriodicTaskThread::Main, this, CREATE_SUSPENDED,
                                      &itsThreadId);
    if (!thread) {
        CloseHandle(itsEvent);
        itsEvent = nullptr;
        itsState = kStopped;
        return false;
    }
    itsThread = reinterpret_cast<void *>(thread);
    SetThreadPriority(itsThread, SystemPriority(priority));
    ResumeThread(itsThread);
    return true;
}

void KPeriodicTask::Resume()
{
    int paused = kPaused;
    itsState.compare_exchange_strong(paused, kRunning);
}

void KPeriodicTask::Pause()
{
    int running = kRunning;
    itsState.compare_exchange_strong(running, kPaused);
}

KPeriodicTask::State KPeriodicTask::GetState() const
{
    return State(itsState.load());
}

void KPeriodicTask::Stop()
{
    if (!itsThread)
        return;
    itsState = kPaused; // no further tick
    itsQuit = true;
    SetEvent(itsEvent);
    if (GetCurrentThreadId() == itsThreadId)
        return; // called from Tick: the thread ends after it; joined later
    WaitForSingleObject(itsThread, INFINITE);
    CloseHandle(itsThread);
    CloseHandle(itsEvent);
    itsThread = nullptr;
    itsEvent = nullptr;
    itsThreadId = 0;
    itsState = kStopped;
}

void KPeriodicTask::Tick(int32_t)
{
}

void KPeriodicTask::Run()
{
    for (;;) {
        WaitForSingleObject(itsEvent, DWORD(itsPeriod));
        if (itsQuit)
            break;
        if (itsState != kRunning)
            continue;
        // Nothing may unwind out of the thread's start routine.
        try {
            Tick(KTickCount());
        } catch (...) {
            if (KLog *log = KProgramLog())
                log->Error(KString(L"KPeriodicTask::Run: exception in Tick"));
        }
    }
}
