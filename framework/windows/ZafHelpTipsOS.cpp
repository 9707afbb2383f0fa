// ZafHelpTips on Windows: the tips timer (a thread timer delivered through
// the event queue), the "ZafHelpTips" pop-up window and its painting, and
// the device's events and polling.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/events/ZafHelpTips.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;

const wchar_t *const tipClassName = L"ZafHelpTips";

ZafWindowManager *Manager() { return ZafWindowManager::Shared(); }

ZafGdiDisplay *Display() { return dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared()); }

HINSTANCE Instance()
{
    HINSTANCE instance = ZafMSWindowsApp::Instance();
    return instance ? instance : GetModuleHandleW(nullptr);
}

const ZafIChar *TipText()
{
    ZafWindowManager *manager = Manager();
    ZafWindowObject *object = manager ? manager->tipObject : nullptr;
    const ZafIChar *text = object ? object->TipText() : nullptr;
    return text && *text ? text : nullptr;
}

// The lines of a tip text (split at line feeds).
std::vector<std::wstring> Lines(const ZafIChar *text)
{
    std::vector<std::wstring> lines(1);
    for (const ZafIChar *c = text; *c; ++c)
        if (*c == L'\n')
            lines.emplace_back();
        else
            lines.back() += *c;
    return lines;
}

bool ModernPlatform()
{
    const ZafPlatformInfo &platform = ZafMSWindowsApp::Platform();
    return platform.platform == 2 || (platform.platform == 3 && platform.version >= 400);
}

bool IsTipWindow(HWND window)
{
    wchar_t name[32] = {};
    return window && IsWindow(window) && GetClassNameW(window, name, 32) && std::wstring(name) == tipClassName;
}

LRESULT CALLBACK TipWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    if (message != WM_PAINT)
        return os.defWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    ZafGdiDisplay *display = Display();
    const ZafPaletteStruct *palette = reinterpret_cast<const ZafPaletteStruct *>(
        static_cast<intptr_t>(os.getWindowLong(window, GWL_USERDATA)));
    if (display && palette)
    {
        RECT client;
        GetClientRect(window, &client);
        ZafRegionStruct region;
        region.Assign(client.left, client.top, client.right - 2, client.bottom - 2, ZAF_PIXEL);
        display->BeginDraw(context, window);
        display->SetPalette(*palette);
        display->Rectangle(region.left, region.top, region.right, region.bottom, 1, true);
        // The object the tip was for may be gone: then only the background.
        if (const ZafIChar *tip = TipText())
        {
            std::wstring text = tip;
            if (text.find(L'\n') == std::wstring::npos)
                display->Text(region.left, region.top, region.right, region.bottom, text.c_str(), -1, 2, 2, -1, false);
            else
            {
                int top = region.top + display->preSpace;
                int left = region.left + display->cellWidth;
                for (const std::wstring &line : Lines(text.c_str()))
                {
                    display->Text(left, top, region.right, region.bottom, line.c_str(), -1, 0, 0, -1, false);
                    ZafRegionStruct extent = display->TextExtent(line.empty() ? L" " : line.c_str());
                    top += extent.bottom - extent.top + 1;
                }
            }
        }
        display->EndDraw();
    }
    EndPaint(window, &paint);
    return 0;
}

void RegisterTipClass()
{
    if (ZafMSWindowsApp::Ansi())
    {
        WNDCLASSA existing;
        if (GetClassInfoA(Instance(), "ZafHelpTips", &existing))
            return;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = TipWindowProcedure;
        windowClass.hInstance = Instance();
        windowClass.lpszClassName = "ZafHelpTips";
        RegisterClassA(&windowClass);
        return;
    }
    WNDCLASSW existing;
    if (GetClassInfoW(Instance(), tipClassName, &existing))
        return;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = TipWindowProcedure;
    windowClass.hInstance = Instance();
    windowClass.lpszClassName = tipClassName;
    RegisterClassW(&windowClass);
}

} // namespace

// ---- The timer ----------------------------------------------------------------

void ZafHelpTips::SetTimer(bool start, int delay, const ZafEventStruct &event)
{
    if (timerID)
        KillTimer(nullptr, timerID);
    timerID = 0;
    if (!start)
        return;
    if (event.type == ZAF_EVENT_OS && event.osEvent.message == WM_MOUSEMOVE)
    {
        POINT point = { ZafInt16(LOWORD(event.osEvent.lParam)), ZafInt16(HIWORD(event.osEvent.lParam)) };
        ClientToScreen(Handle(event.osEvent.hwnd), &point);
        mouseX = point.x;
        mouseY = point.y;
    }
    ZafWindowManager *manager = Manager();
    if (manager && manager->tipObject)
        timerID = ZafUInt32(::SetTimer(nullptr, 0, UINT(delay), nullptr));
}

// ---- Events -------------------------------------------------------------------

ZafEventType ZafHelpTips::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    ZafWindowManager *manager = Manager();
    switch (type)
    {
    case ZAF_DEVICE_ADDED:
        tipPalette = ZafPaletteStruct::Default();
        tipPalette.lineStyle = 0;
        tipPalette.fillPattern = 0;
        tipPalette.monoForeground = 0;
        tipPalette.monoBackground = 2;
        tipPalette.font = 0;
        if (ModernPlatform())
            tipPalette.colorForeground = tipPalette.colorBackground = -3;
        else
        {
            tipPalette.colorForeground = 0;
            tipPalette.colorBackground = 14;
        }
        RegisterTipClass();
        ZafDevice::Event(event);
        return type;

    case ZAF_DEVICE_REMOVED:
        SetTimer(false, 0, event);
        HideTip();
        UnregisterClassA("ZafHelpTips", Instance());
        ZafDevice::Event(event);
        return type;

    case ZAF_DEVICE_STATE_QUERY:
        return deviceState;

    case ZAF_DEVICE_ON:
    case ZAF_DEVICE_OFF:
        SetDeviceState(type);
        return type;

    case ZAF_EV_POINTER_ENTERED:
        if (deviceState != ZAF_DEVICE_ON)
            return type;
        ShowStatusText();
        if (armed && TipText())
        {
            SetTimer(true, SHOW_DELAY, event);
            ShowTip();
        }
        else
        {
            tipsActive = 1;
            windowShown = 0;
            armed = 0;
            SetTimer(true, SHOW_DELAY, event);
        }
        return type;

    case ZAF_EV_POINTER_LEFT:
        HideTip();
        tipsActive = 0;
        SetTimer(true, RESHOW_DELAY, event);
        return type;

    case ZAF_SHOW_STATUS_TEXT:
        if (deviceState == ZAF_DEVICE_ON && manager && manager->statusObject && (style == 1 || style == 2))
        {
            // The status line's own text is kept for when the menu closes.
            ZafWindowObject *object = event.dataObject;
            if (object)
            {
                if (!statusSaved)
                    SaveStatusText(manager->statusObject->Text());
                manager->statusObject->SetText(object->TipText2());
            }
            else
            {
                manager->statusObject->SetText(savedStatusText);
                ForgetStatusText();
            }
        }
        return type;

    case ZAF_TIPS_FOLLOW_OBJECT:
        FollowObject(event.dataObject);
        return type;

    default:
        return ZAF_NOT_HANDLED;
    }
}

void ZafHelpTips::Poll()
{
    ZafWindowManager *manager = Manager();
    ZafEventManager *events = ZafEventManager::Shared();
    if (deviceState == ZAF_DEVICE_OFF || !(tipsActive || armed) || !manager || !events)
        return;
    ZafWindow *front = manager->FrontWindow();
    if (!front || !front->Focus())
        return;
    ZafEventStruct next;
    if (events->Get(next, ZAF_NO_WAIT | ZAF_PEEK | ZAF_QUEUE_ONLY) != 0 || next.type != ZAF_EVENT_OS)
        return;
    const UINT message = next.osEvent.message;
    const bool ownTimer = message == WM_TIMER && !next.osEvent.hwnd && timerID && next.osEvent.wParam == timerID;
    switch (message)
    {
    case WM_LBUTTONDOWN: case WM_MBUTTONDOWN: case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        if (!windowShown)
            SetTimer(false, 0, next);
        else
            HideTip();
        tipsActive = 0;
        armed = 0;
        return;
    default:
        break;
    }
    if (windowShown)
        return;
    if (tipsActive && message == WM_MOUSEMOVE)
        SetTimer(true, SHOW_DELAY, next);
    else if (tipsActive && ownTimer)
    {
        ShowTip();
        events->Get(next, ZAF_NO_WAIT | ZAF_QUEUE_ONLY);
    }
    else if (armed && ownTimer)
    {
        armed = 0;
        SetTimer(false, 0, next);
        events->Get(next, ZAF_NO_WAIT | ZAF_QUEUE_ONLY);
    }
}

// ---- Showing and hiding ---------------------------------------------------------

void ZafHelpTips::ShowStatusText()
{
    ZafWindowManager *manager = Manager();
    ZafWindowObject *object = manager ? manager->tipObject : nullptr;
    if (!object || !object->TipText2() || !manager->statusObject || (style != 1 && style != 2))
        return;
    if (!statusSaved)
        SaveStatusText(manager->statusObject->Text());
    manager->statusObject->SetText(object->TipText2());
}

void ZafHelpTips::ShowTip()
{
    const ZafIChar *text = TipText();
    ZafWindowManager *manager = Manager();
    ZafGdiDisplay *display = Display();
    if (!text || !manager || !display)
        return;
    ZafWindowObject *object = manager->tipObject;
    if (style == 0 || style == 2)
    {
        if (ModernPlatform())
        {
            tipPalette.osColorForeground = GetSysColor(COLOR_INFOTEXT);
            tipPalette.osColorBackground = GetSysColor(COLOR_INFOBK);
        }
        display->BeginDraw(nullptr, reinterpret_cast<HWND>(-1));
        display->SetPalette(tipPalette);
        int width = 0, height = 0;
        for (const std::wstring &line : Lines(text))
        {
            ZafRegionStruct extent = display->TextExtent(line.empty() ? L" " : line.c_str());
            width = std::max(width, extent.right - extent.left + 1);
            height += extent.bottom - extent.top + 1;
        }
        height += 2 * display->preSpace;
        width += 2 * display->cellWidth;
        int left = mouseX;
        // Only plain string and text fields, not the fields derived from them, keep
        // their tips this close to the pointer.
        const ZafClassID classID = object ? object->ClassID() : 0;
        int top = mouseY + ((classID == ZAF_ID_STRING || classID == ZAF_ID_TEXT) ? 8 : 16);
        int right = left + width, bottom = top + height;
        if (right > display->columns - 1)
        {
            right = display->columns - 1;
            left = right - width;
        }
        if (bottom > display->lines - 1)
        {
            bottom = display->lines - 1;
            top = bottom - height;
        }
        display->EndDraw();
        tipRegion.Assign(left, top, right, bottom, ZAF_PIXEL);
        HWND owner = Handle(object->RootObject()->OSHandle(2));
        HWND popUp = nullptr;
        if (ZafMSWindowsApp::Ansi())
            popUp = CreateWindowExA(WS_EX_TOPMOST, "ZafHelpTips", "", WS_POPUP, left, top, right - left + 1,
                bottom - top + 1, owner, nullptr, Instance(), nullptr);
        else
            popUp = CreateWindowExW(WS_EX_TOPMOST, tipClassName, L"", WS_POPUP, left, top, right - left + 1,
                bottom - top + 1, owner, nullptr, Instance(), nullptr);
        if (popUp)
        {
            ZafMSWindowsApp::Entry().setWindowLong(popUp, GWL_USERDATA, LONG(reinterpret_cast<intptr_t>(&tipPalette)));
            ShowWindow(popUp, SW_SHOWNOACTIVATE);
            UpdateWindow(popUp);
        }
        popUpWindow = popUp;
    }
    tipsActive = 1;
    windowShown = 1;
    armed = 1;
    SetTimer(false, 0, ZafEventStruct());
}

void ZafHelpTips::HideTip()
{
    ZafWindowManager *manager = Manager();
    if (manager && manager->statusObject && (style == 1 || style == 2) && statusSaved)
    {
        manager->statusObject->SetText(savedStatusText);
        ForgetStatusText();
    }
    // A tip destroyed with its owner window is not destroyed again.
    if ((style == 0 || style == 2) && windowShown && IsTipWindow(Handle(popUpWindow)))
        DestroyWindow(Handle(popUpWindow));
    popUpWindow = nullptr;
    windowShown = 0;
    SetTimer(false, 0, ZafEventStruct());
}
