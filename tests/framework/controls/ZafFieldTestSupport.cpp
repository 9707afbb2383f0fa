#include "ZafFieldTestSupport.h"

#include <cstring>

void FieldTest::SetUp()
{
    EventTest::SetUp();
    display = std::make_unique<ZafScreenDisplay>();
    ZafDisplay::SetShared(display.get());
}

void FieldTest::TearDown()
{
    EventTest::TearDown();
    ZafDisplay::SetShared(nullptr);
    display.reset();
}

ZafWindow *FieldTest::ShowWindow(std::initializer_list<ZafWindowObject *> objects, int width, int height)
{
    ZafWindow *window = NewTopLevel(width, height, { -1, -5 });
    for (ZafWindowObject *object : objects)
        window->Add(object);
    manager->Add(window);
    return window;
}

std::wstring ControlText(ZafOSWindow window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(static_cast<HWND>(window), buffer, 512);
    return buffer;
}

LONG WindowStyle(ZafOSWindow window, int index)
{
    return GetWindowLongW(static_cast<HWND>(window), index);
}

bool PutOnClipboard(HWND owner, const wchar_t *text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory)
    {
        std::memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}
