// The Windows half of ZafWindowObject: creating and registering the OS
// window, the flags that act on it, placing it, and list items.
#include <windows.h>

#include <algorithm>

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafOSEventWin.h"

using ZafOSCalls::Handle;
using ZafOSCalls::Send;

HWND ZafCreateWindowEx(DWORD exStyle, const wchar_t *className, const wchar_t *title,
    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu,
    HINSTANCE instance, void *createParam)
{
    if (!ZafMSWindowsApp::Ansi())
        return CreateWindowExW(exStyle, className, title, style, x, y, width, height,
            parent, menu, instance, createParam);
    // A class given as an atom (the dialog class, 32770) passes unchanged.
    const char *localClass = reinterpret_cast<const char *>(className);
    char *classBuffer = nullptr;
    if (!IS_INTRESOURCE(className))
        localClass = classBuffer = ZafNewLocalText(className);
    char *localTitle = title ? ZafNewLocalText(title) : nullptr;
    HWND window = CreateWindowExA(exStyle, localClass, localTitle, style, x, y, width, height,
        parent, menu, instance, createParam);
    delete[] localTitle;
    delete[] classBuffer;
    return window;
}

ZafOSWindow ZafWindowObject::CreateOSWindow(ZafWindowObject *object, const ZafIChar *osClassName,
    ZafUInt32 style, const ZafIChar *title, ZafOSWindow parentWindow, ZafUInt32 exStyle,
    void *instance, void *createParam)
{
    if (!osClassName)
        osClassName = ZafMSWindowsApp::windowClassName;
    ZafWindowObject *parentObject = object->parent;
    if (!parentWindow && parentObject)
        parentWindow = object->useParentFrameHandle ? parentObject->OSHandle(2) : parentObject->osWindow;
    HINSTANCE module = instance ? static_cast<HINSTANCE>(instance) : ZafMSWindowsApp::Instance();
    if (!module)
        module = GetModuleHandleW(nullptr);
    HMENU controlID = parentObject
        ? reinterpret_cast<HMENU>(static_cast<intptr_t>(object->numberID)) : nullptr;
    HWND window = ZafCreateWindowEx(exStyle, osClassName, title, style, 0, 0, 0, 0,
        Handle(parentWindow), controlID, module, createParam);
    if (!window)
        return nullptr;

    // Keep the z-order of the parent's list: behind the nearest earlier
    // sibling with a window of its own, when a later sibling already has one.
    ZafWindowObject *nextSibling = static_cast<ZafWindowObject *>(object->Next());
    if (parentObject && nextSibling && nextSibling->Registered())
    {
        HWND after = HWND_TOP;
        for (ZafElement *e = object->Previous(); e; e = e->Previous())
        {
            ZafWindowObject *sibling = static_cast<ZafWindowObject *>(e);
            if (sibling->ownOSWindow)
            {
                if (sibling->Registered())
                    after = Handle(sibling->OSHandle(2));
                break;
            }
        }
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    }

    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    os.setWindowLong(window, GWL_USERDATA, LONG(reinterpret_cast<intptr_t>(object)));
    os.setWindowLong(window, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(&ZafWindowProcedure)));

    if (!ZafMSWindowsApp::NativeThreeDControls() && ZafMSWindowsApp::ThreeDLibraryAvailable()
        && (object->border || object->IsAClassID(ZAF_ID_BUTTON)))
        ZafMSWindowsApp::SubclassThreeD(window);
    return window;
}

LRESULT CALLBACK ZafWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    ZafWindowObject *object = reinterpret_cast<ZafWindowObject *>(
        static_cast<intptr_t>(os.getWindowLong(window, GWL_USERDATA)));
    if (!object)
        return os.defWindowProc(window, message, wParam, lParam);
    ZafEventStruct event = ZafRawEventOfMessage(window, message, wParam, lParam);
    // Nothing thrown may unwind through Windows.
    try
    {
        if (event.InputClass() != ZAF_INPUT_KEYBOARD)
            return object->Event(event);
        // Keys go to the root window marked with the object that has the
        // focus, so that each window on the way hands them down to it and
        // the window holding it runs the navigation (Tab, arrows, Enter).
        object->TranslateInputEvent(event);
        return object->RootObject()->Event(event);
    }
    catch (...)
    {
        return os.defWindowProc(window, message, wParam, lParam);
    }
}

// ---- Registration -----------------------------------------------------------

void ZafWindowObject::RegisterWithOS()
{
    if (Registered())
        return;
    if (ownOSWindow)
    {
        OSRegisterObject();
        // A position worked out before the OS window existed was never
        // applied to it: the next ApplyPosition must move the new window.
        ResetRegion(lastRegion);
    }
    else if (parent)
        osWindow = parent->osWindow;
}

void ZafWindowObject::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ZafControlStateStyle(this);
    DWORD exStyle = 0;
    if (border && systemDrawn)
        ZafAddControlBorder(ZafMSWindowsApp::NativeThreeDControls(), style, exStyle);
    osWindow = CreateOSWindow(this, ZafMSWindowsApp::windowClassName, style, nullptr, nullptr, exStyle);
}

void ZafWindowObject::ReleaseOSWindow()
{
    HWND window = Handle(osWindow);
    osWindow = nullptr;
    if (!ownOSWindow || !window || !IsWindow(window))
        return;
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    if (os.getWindowLong(window, GWL_USERDATA) == LONG(reinterpret_cast<intptr_t>(this)))
        os.setWindowLong(window, GWL_USERDATA, 0);
    DestroyWindow(window);
}

// ---- Flags that act on the OS window --------------------------------------

// Sets a flag the object's look shows; when it changed on a registered
// object, its own OS window follows through osChange when byOS, else the
// object redraws. Answers the flag.
template <class OSChange>
static bool ChangeShownFlag(ZafWindowObject *object, bool &flag, bool value, bool byOS, OSChange osChange)
{
    if (value == flag)
        return flag;
    flag = value;
    if (!object->Registered())
        return flag;
    if (byOS)
        osChange();
    else
        object->Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return flag;
}

bool ZafWindowObject::SetDisabled(bool value)
{
    return ChangeShownFlag(this, disabled, value, ownOSWindow && !designMode,
        [this] { EnableWindow(Handle(OSHandle(2)), !disabled); });
}

bool ZafWindowObject::SetVisible(bool value)
{
    return ChangeShownFlag(this, visible, value, ownOSWindow,
        [this] { ShowWindow(Handle(OSHandle(2)), visible ? SW_SHOW : SW_HIDE); });
}

bool ZafWindowObject::SetAutomaticUpdate(bool value)
{
    if (value == automaticUpdate)
        return automaticUpdate;
    automaticUpdate = value;
    if (Registered() && IsVisible(true))
    {
        if (ownOSWindow)
            Send(osWindow, WM_SETREDRAW, automaticUpdate, 0);
        if (automaticUpdate)
            Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    }
    return automaticUpdate;
}

bool ZafWindowObject::SetOwnOSWindow(bool value)
{
    if (!Registered())
        return ownOSWindow = value;
    ZafWindowObject *root = RootObject();
    if (root->osWindow)
        UpdateWindow(Handle(root->osWindow));
    if (parent && parent->osWindow)
        Send(parent->osWindow, WM_SETREDRAW, FALSE, 0);
    Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    ownOSWindow = value;
    Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    if (ownOSWindow)
    {
        ResetRegion(lastRegion);
        ApplyPosition();
    }
    if (parent)
    {
        if (parent->osWindow && parent->automaticUpdate)
            Send(parent->osWindow, WM_SETREDRAW, TRUE, 0);
        parent->Event(ZafEventStruct(ZAF_EV_REDRAW_AREA, 0, region));
    }
    return ownOSWindow;
}

// ---- Placing ----------------------------------------------------------------

namespace {

void Invalidate(ZafOSWindow window, int left, int top, int right, int bottom)
{
    RECT rect = { left, top, right + 1, bottom + 1 };
    RedrawWindow(Handle(window), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

} // namespace

void ZafWindowObject::ApplyPosition()
{
    if (!(region != lastRegion))
        return;
    ZafRegionStruct target = region;
    if (parent)
        parent->ConvertToOSRegion(this, target);
    else if (ZafWindowObject *manager = WindowManager())
        manager->ConvertToOSRegion(this, target);
    else
        ConvertRegion(target, ZAF_PIXEL);

    if (ownOSWindow)
    {
        // The last region is where the OS window is: an object placed before
        // its window exists is placed again once it does.
        if (Registered())
        {
            MoveWindow(Handle(OSHandle(2)), target.left, target.top, target.Width(), target.Height(), TRUE);
            UpdateWindow(Handle(OSHandle(2)));
            lastRegion = target;
        }
        return;
    }

    ZafRegionStruct old = lastRegion;
    bool update = Registered() && IsVisible(true) && AutomaticUpdate(true);
    if (old.left != target.left || old.top != target.top)
    {
        if (update)
        {
            Invalidate(osWindow, old.left, old.top, old.right, old.bottom);
            Invalidate(osWindow, target.left, target.top, target.right, target.bottom);
        }
        Event(ZafEventStruct(ZAF_EV_MOVED, 0, lastRegion));
    }
    if (old.Width() != target.Width() || old.Height() != target.Height())
    {
        if (update)
        {
            int smallWidth = std::min(old.Width(), target.Width());
            int largeWidth = std::max(old.Width(), target.Width());
            int smallHeight = std::min(old.Height(), target.Height());
            int largeHeight = std::max(old.Height(), target.Height());
            Invalidate(osWindow, target.left, target.top + smallHeight, target.left + smallWidth, target.top + largeHeight);
            Invalidate(osWindow, target.left + smallWidth, target.top, target.left + largeWidth, target.top + largeHeight);
        }
        Event(ZafEventStruct(ZAF_EV_SIZED, 0, lastRegion));
    }
    lastRegion = target;
}

// ---- Screen coordinates -----------------------------------------------------

ZafRegionStruct ZafWindowObject::ConvertToScreenRegion(ZafWindowObject *object, int x, int y)
{
    if (parent)
        parent->ConvertToOSPosition(object, x, y);
    else if (ZafWindowObject *manager = WindowManager())
        manager->ConvertToOSPosition(object, x, y);
    POINT point = { x, y };
    if (osWindow)
        MapWindowPoints(Handle(osWindow), nullptr, &point, 1);
    ZafRegionStruct result;
    result.Assign(point.x, point.y, point.x, point.y, ZAF_PIXEL);
    return result;
}

ZafRegionStruct ZafWindowObject::ConvertFromScreenRegion(ZafWindowObject *object, int x, int y)
{
    POINT point = { x, y };
    if (osWindow)
        MapWindowPoints(nullptr, Handle(osWindow), &point, 1);
    int px = point.x, py = point.y;
    if (parent)
        parent->ConvertFromOSPosition(object, px, py);
    else if (ZafWindowObject *manager = WindowManager())
        manager->ConvertFromOSPosition(object, px, py);
    ZafRegionStruct result;
    result.Assign(px, py, px, py, ZAF_PIXEL);
    return result;
}

// ---- List items -------------------------------------------------------------

ZafEventType ZafWindowObject::UpdateOSListItem()
{
    if (!Registered() || !parent || !parent->IsAClassID(ZAF_ID_LIST) || !parent->systemDrawn)
        return 1;
    WPARAM index = WPARAM(ListIndex());
    const ZafIChar *text = Text();
    char *local = nullptr;
    LPARAM textParam = reinterpret_cast<LPARAM>(text ? text : L"");
    if (ZafMSWindowsApp::Ansi())
    {
        local = ZafNewLocalText(text ? text : L"");
        textParam = reinterpret_cast<LPARAM>(local);
    }
    ZafWindowObject *grandParent = parent->parent;
    if (grandParent && grandParent->IsAClassID(ZAF_ID_COMBO_BOX))
    {
        Send(parent->osWindow, CB_DELETESTRING, index, 0);
        Send(parent->osWindow, CB_INSERTSTRING, index, textParam);
    }
    else
    {
        Send(parent->osWindow, LB_DELETESTRING, index, 0);
        Send(parent->osWindow, LB_INSERTSTRING, index, textParam);
        if (selected)
        {
            LONG style = ZafMSWindowsApp::Entry().getWindowLong(Handle(parent->osWindow), GWL_STYLE);
            if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
                Send(parent->osWindow, LB_SETSEL, TRUE, LPARAM(index));
            else
                Send(parent->osWindow, LB_SETCURSEL, index, 0);
        }
    }
    delete[] local;
    return 0;
}
