#include "ZafControlTestSupport.h"

#include <algorithm>

namespace {

struct ClassSearch
{
    const wchar_t *className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data)
{
    ClassSearch *search = reinterpret_cast<ClassSearch *>(data);
    if (WindowClassName(window) == search->className)
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> ThreadWindowsOfClass(const wchar_t *className)
{
    ClassSearch search = { className, {} };
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowClassName(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::vector<ZafEventStruct> TakeQueuedEvents(ZafEventManager &events)
{
    std::vector<ZafEventStruct> taken;
    ZafEventStruct event;
    while (events.Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
        taken.push_back(event);
    return taken;
}

int CountType(const std::vector<ZafEventStruct> &events, ZafEventType type)
{
    return int(std::count_if(events.begin(), events.end(),
        [type](const ZafEventStruct &event) { return event.type == type; }));
}

void DispatchFor(int milliseconds)
{
    DWORD end = GetTickCount() + DWORD(milliseconds);
    do
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (GetTickCount() < end);
}
