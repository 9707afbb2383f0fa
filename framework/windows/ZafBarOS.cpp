#include "framework/windows/ZafBarOS.h"
#include "framework/windows/ZafSystemColors.h"

#include <windows.h>

ZafOSWindow ZafCreateBarWindow(ZafWindow &bar, bool visible)
{
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    return ZafWindowObject::CreateOSWindow(&bar, nullptr, style);
}

ZafEventType ZafBarOSEvent(ZafWindow &bar, const ZafEventStruct &event)
{
    switch (event.osEvent.message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        return bar.ZafWindowObject::OSEvent(event);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (ZafWindowObject *root = bar.RootObject())
            SetForegroundWindow(static_cast<HWND>(root->OSHandle(2)));
        return bar.ZafWindowObject::OSEvent(event);
    default:
        return bar.ZafWindow::OSEvent(event);
    }
}

void ZafResolveBarColors(ZafWindow &bar, ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_BACKGROUND)
    {
        bar.ZafWindow::ResolveSystemColors(palette, type, state);
        return;
    }
    ZafFillSystemColors(palette, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
}
