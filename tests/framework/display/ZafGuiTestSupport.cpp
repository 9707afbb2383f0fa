#include "ZafGuiTestSupport.h"

namespace {

const wchar_t *TestClassName()
{
    static bool registered = false;
    if (!registered)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"ZafTestTopLevel";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"ZafTestTopLevel";
}

} // namespace

// Without a window manager Wine waits two seconds whenever a visible
// top-level window goes: the tests share one that stays for the whole run.
TopLevelWindow::TopLevelWindow(int width, int height)
{
    static HWND shared = nullptr;
    if (!shared || !IsWindow(shared))
        shared = CreateWindowExW(0, TestClassName(), L"Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
            10, 10, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    window = shared;
    SetWindowPos(window, nullptr, 10, 10, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

TopLevelWindow::~TopLevelWindow()
{
    // Child windows a test left behind go with it.
    while (HWND child = GetWindow(window, GW_CHILD))
        DestroyWindow(child);
    PumpMessages();
}

HostObject::HostObject(HWND window, int width, int height) : ZafWindowObject(0, 0, width, height)
{
    SetCoordinateType(ZAF_PIXEL);
    osWindow = window;
}

HostObject::~HostObject()
{
    // The window belongs to the test, not to this object.
    osWindow = nullptr;
}

ZafEventType HostObject::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EVENT_OS)
        messages.push_back(event.osEvent.message);
    return ZafWindowObject::Event(event);
}

const void *CallTarget(const void *function)
{
    // An import thunk is "jmp dword ptr [address]" (FF 25 address).
    const unsigned char *code = static_cast<const unsigned char *>(function);
    if (code && code[0] == 0xFF && code[1] == 0x25)
        return **reinterpret_cast<const void *const *const *>(code + 2);
    return function;
}

ZafEventType RecordingObject::Event(const ZafEventStruct &event)
{
    types.push_back(event.type);
    if (event.type == ZAF_EVENT_OS)
    {
        messages.push_back(event.osEvent.message);
        wParams.push_back(event.osEvent.wParam);
        if (answeredMessage && event.osEvent.message == answeredMessage)
            return answer;
    }
    return ZafWindowObject::Event(event);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
