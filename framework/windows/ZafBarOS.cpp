// ZafBar, Windows half: the bar's own OS window, its messages and colours.
#include "framework/controls/ZafBar.h"
#include "framework/windows/ZafSystemColors.h"

#include <windows.h>

void ZafBar::OSRegisterObject()
{
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    osWindow = CreateOSWindow(this, nullptr, style);
}

ZafOSWindow ZafBar::OSHandle(int) const
{
    return osWindow;
}

void ZafBar::ApplyPosition()
{
    ZafWindowObject::ApplyPosition();
}

ZafEventType ZafBar::OSEvent(const ZafEventStruct &event)
{
    switch (event.osEvent.message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        return ZafWindowObject::OSEvent(event);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (ZafWindowObject *root = RootObject())
            SetForegroundWindow(static_cast<HWND>(root->OSHandle(2)));
        return ZafWindowObject::OSEvent(event);
    default:
        return ZafWindow::OSEvent(event);
    }
}

void ZafBar::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_BACKGROUND)
    {
        ZafWindow::ResolveSystemColors(palette, type, state);
        return;
    }
    ZafFillSystemColors(palette, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
}
