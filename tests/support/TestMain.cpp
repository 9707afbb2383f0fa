// The main of every test program: GoogleTest's own, except that the thread
// GoogleTest starts to watch the main thread is running before the first test.
//
// GoogleTest keeps its per-thread state (the result reporter, SCOPED_TRACE,
// gMock's sequences) in slots that, on Windows, start a watcher thread for a
// thread the first time it uses one: for the main thread, at the first result
// a test reports (a SUCCEED, a skip, a failure), which may be in the last
// test, a moment before the program ends. Under Wine a thread that the end
// of the process stops while Wine is still setting it up takes the process
// down with a segmentation fault (exit code 139), after gtest's summary; the
// busier the wineserver (many programs starting at once, as at the start of
// a test run), the longer that set-up takes. So the watcher is started here,
// and the tests begin once it runs its own code.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>

namespace {

// Longest wait, in milliseconds, for the watcher thread to start; past it the
// tests run all the same, and only the end of the program may meet it.
constexpr DWORD kWatcherStartLimitMs = 60000;

// Set when a thread of the process starts running its own code; kept open for
// the whole run, since threads may start at any time.
std::atomic<HANDLE> threadStarted{nullptr};

// The executable's TLS callback: Windows (and Wine) call it on every new
// thread once the thread is set up, before its start routine runs.
void NTAPI OnThreadEvent(PVOID, DWORD reason, PVOID)
{
    const HANDLE started = threadStarted.load();
    if (reason == DLL_THREAD_ATTACH && started)
        SetEvent(started);
}

// The runtime calls the callbacks placed between its own .CRT$XLA and
// .CRT$XLZ.
__attribute__((section(".CRT$XLT"), used)) const PIMAGE_TLS_CALLBACK kThreadCallback = OnThreadEvent;

void StartGoogleTestWatcher()
{
    threadStarted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    {
        // The main thread's first use of GoogleTest's per-thread state.
        testing::ScopedTrace start(__FILE__, __LINE__, "the test program starts");
    }
    if (threadStarted.load() && WaitForSingleObject(threadStarted.load(), kWatcherStartLimitMs) == WAIT_OBJECT_0)
        return;
    std::fprintf(stderr, "test program: GoogleTest's watcher thread did not start within %lu ms\n",
                 static_cast<unsigned long>(kWatcherStartLimitMs));
}

} // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    StartGoogleTestWatcher();
    return RUN_ALL_TESTS();
}
