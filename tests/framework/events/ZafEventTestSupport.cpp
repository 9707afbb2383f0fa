#include "ZafEventTestSupport.h"

#include <algorithm>

#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafMouse.h"

int EventLog::Count(ZafEventType type) const
{
    return int(std::count(types.begin(), types.end(), type));
}

int EventLog::CountMessage(UINT message) const
{
    return int(std::count(messages.begin(), messages.end(), message));
}

int LoggingWindow::Count(ZafEventType type) const
{
    return int(std::count(types.begin(), types.end(), type));
}

void EventTest::SetUp()
{
    app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
    events = std::make_unique<ZafEventManager>();
    ZafEventManager::SetShared(events.get());
    events->Add(new ZafKeyboard(ZAF_DEVICE_ON));
    events->Add(new ZafMouse(ZAF_DEVICE_ON, ZAF_POINTER_ARROW));
    manager = std::make_unique<ZafWindowManager>();
    Drain();
}

void EventTest::TearDown()
{
    manager.reset();
    Drain();
    ZafEventManager::SetShared(nullptr);
    events.reset();
    app.reset();
}

ZafWindow *EventTest::NewTopLevel(int width, int height, std::initializer_list<ZafNumberID> parts, int left, int top)
{
    ZafWindow *window = new ZafWindow(left, top, width, height);
    window->SetCoordinateType(ZAF_PIXEL);
    for (ZafNumberID id : parts)
        window->Add(new FramePart(id));
    return window;
}

ZafEventType EventTest::RunLoop(int milliseconds)
{
    DWORD end = GetTickCount() + DWORD(milliseconds);
    ZafEventType answer = 0;
    while (GetTickCount() < end)
    {
        ZafEventStruct event;
        if (events->Get(event, ZAF_NO_WAIT) != 0)
        {
            Sleep(1);
            continue;
        }
        answer = manager->Event(event);
        if (answer == ZAF_MODAL_GONE || answer == ZAF_EV_EXIT)
            return answer;
    }
    return 0;
}

void EventTest::Pump(int milliseconds)
{
    DWORD end = GetTickCount() + DWORD(milliseconds);
    while (GetTickCount() < end)
    {
        ZafEventStruct event;
        if (events->Get(event, ZAF_NO_WAIT) != 0)
        {
            Sleep(1);
            continue;
        }
        if (event.type == ZAF_EV_LAST_WINDOW_GONE)
            continue;
        manager->Event(event);
    }
}

void EventTest::Drain()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT)
            DispatchMessageW(&message);
    if (events)
        events->ClearQueue();
}

bool EventTest::Activate(ZafWindow *window)
{
    HWND frame = static_cast<HWND>(window->OSHandle(2));
    for (int attempt = 0; attempt < 50; ++attempt)
    {
        SetForegroundWindow(frame);
        SetActiveWindow(frame);
        Pump(10);
        if (GetActiveWindow() == frame && GetForegroundWindow() == frame)
            return true;
    }
    return false;
}

ZafEventStruct RawMessage(ZafOSWindow window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZafOSEventStruct os = {};
    os.hwnd = window;
    os.message = message;
    os.wParam = wParam;
    os.lParam = lParam;
    return ZafEventStruct(ZAF_EVENT_OS, os);
}
