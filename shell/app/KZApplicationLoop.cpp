// The modal event loop, its idle step and the exit check.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include <climits>
#include <exception>

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/base/ZafRestoreOnExit.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/app/KZMessageBox.h"

namespace {

// A key press taken by an accelerator never reaches the window. The system's
// default handling still has to see an Alt press of it: it is what tells
// the system that Alt was not pressed alone, and without it releasing Alt
// after Alt+1 would open the menu bar and swallow the next key.
void ShowAltPressToSystem(const ZafEventStruct &event)
{
    const ZafOSEventStruct &os = event.osEvent;
    if (os.message == WM_SYSKEYDOWN && os.hwnd && IsWindow(static_cast<HWND>(os.hwnd)))
        DefWindowProcW(static_cast<HWND>(os.hwnd), os.message, WPARAM(os.wParam), LPARAM(os.lParam));
}

// Keeps the loop depth counted while one Control call runs.
class DepthGuard
{
public:
    DepthGuard(int &depth, int &modal, bool isModal) : depth(depth), modal(modal), isModal(isModal)
    {
        ++depth;
        if (isModal)
            ++modal;
    }
    ~DepthGuard()
    {
        --depth;
        if (isModal)
            --modal;
    }

private:
    int &depth;
    int &modal;
    bool isModal;
};

} // namespace

int32_t KZApplication::Control(ZafWindow *window, bool noWait)
{
    ZafWindowManager *manager = WindowManager();
    if (!manager)
        return kEvtWindowGone;
    if (!window && mainWindow)
        manager->SetMainWindow(mainWindow->OSWindow());
    DepthGuard depth(loopDepth, modalDepth, window != nullptr);

    int32_t result = kEvtNoResult;
    int32_t idleCount = 0;
    bool done = false;
    do {
        try {
            ZafEventStruct event;
            if (!GetEvent(event, ZAF_NO_WAIT)) {
                if (noWait) {
                    done = true;
                } else {
                    if (idleCount >= 0)
                        idleCount = Idle(idleCount) ? (idleCount < INT32_MAX ? idleCount + 1 : idleCount) : -1;
                    Sleep(1);
                }
            } else {
                idleCount = 0;
                if (event.InputClass() == ZAF_INPUT_MOUSE)
                    lastMouseEvent = event;
                switch (window ? EndCode(window, event) : 0) {
                case 0:
                    result = manager->Event(event);
                    break;
                case 1:
                    break;
                default:
                    result = event.type;
                    done = true;
                    break;
                }
            }
            if (window && !done && ModalWindowGone(window))
                result = kEvtWindowGone;
        } catch (const std::exception &error) {
            KString what;
            what.AppendAnsi(error.what());
            ReportLoopException(what.CStr());
        } catch (...) {
            ReportLoopException(L"unknown exception");
        }
    } while (result != kEvtExit && result != kEvtWindowGone && !done);

    // The end of the program reached a modal loop: the main loop must see it too.
    if (window && result == kEvtExit)
        PostQuitMessage(0);
    return result;
}

int KZApplication::EndCode(ZafWindow *window, const ZafEventStruct &event)
{
    if (auto *modal = dynamic_cast<KZModalWindow *>(window))
        return modal->IsEndCode(event);
    return (event.type >= kDialogEndFirst && event.type <= kDialogEndLast) ? 2 : 0;
}

bool KZApplication::ModalWindowGone(ZafWindow *window) const
{
    ZafWindowManager *manager = WindowManager();
    if (!manager || !manager->Holds(window))
        return true;
    HWND handle = static_cast<HWND>(window->OSWindow());
    return !handle || !IsWindow(handle);
}

bool KZApplication::GetEvent(ZafEventStruct &event, uint32_t flags)
{
    ZafEventManager *events = EventManager();
    if (!events || events->Get(event, flags) != 0)
        return false;
    // Keys go to the menu accelerators first; one they use goes no further.
    if (!grabWindow)
        if (KZPullDownMenu *menu = KZMainMenuBar())
            if (menu->DispatchAccelerator(event)) {
                ShowAltPressToSystem(event);
                return false;
            }
    return true;
}

bool KZApplication::Idle(int32_t)
{
    bool withheld = false;
    if (grabWindow) {
        if (grabFlags & kGrabRepeatMouse)
            grabWindow->Event(lastMouseEvent);
        withheld = (grabFlags & kGrabKeepIdle) == 0;
    }
    if (!withheld && mainWindow)
        mainWindow->Event(ZafEventStruct(kEvtIdle, 0));
    ZafWindowManager *manager = WindowManager();
    const bool sessionEndPending = manager && manager->SessionEndPending();
    if (CloseHeld() && InMainLoopOnly() && !ModalUp() && !KZLongOperation::Current() && !sessionEndPending)
        RunHeldClose();
    return true;
}

int32_t KZApplication::ExitQuery()
{
    if (!mainWindow)
        return 0;
    ZafWindowManager *manager = WindowManager();
    const bool sessionEnd = manager && manager->AskingSessionEnd();
    if (sessionEnd) {
        // Never held: should the session end be called off, nothing changes.
        if (asking != Asking::Nothing || ModalUp() || KZLongOperation::Current() || answeringWaits > 0)
            return kEvtExitRefused;
    } else {
        // The exit asking already: this request is the one being answered.
        if (asking == Asking::Exit)
            return kEvtExitRefused;
        if (HoldClose(CloseRequest::Program))
            return kEvtExitRefused;
    }
    ZafRestoreOnExit<Asking> guard(asking, sessionEnd ? Asking::SessionEnd : Asking::Exit);
    return mainWindow->Event(ZafEventStruct(kEvtExitQuery, 0)) == 0 ? kEvtExitRefused : 0;
}

void KZApplication::AnsweringWait(bool begins)
{
    if (GetCurrentThreadId() == guiThread)
        answeringWaits += begins ? 1 : -1;
}

int32_t KZApplication::ExitCheck(ZafDisplay *, ZafEventManager *, ZafWindowManager *)
{
    return instance ? instance->ExitQuery() : 0;
}

void KZApplication::SessionEndCheck(ZafWindowManager *)
{
    if (instance)
        instance->SessionEnding();
}

bool KZApplication::CloseRequestCheck(ZafWindowManager *, ZafWindowObject *child)
{
    return instance ? instance->MayQueueClose(child) : true;
}

void KZApplication::ReportLoopException(const wchar_t *what)
{
    if (KLog *log = KProgramLog()) {
        KString line(L"KZApplication::Control: ");
        line.Append(what);
        log->Error(line);
    }
    // A handler that fails again while the report is up (the idle tick keeps
    // coming inside the box's own loop) must not stack box upon box.
    if (showingLoopError)
        return;
    showingLoopError = true;
    try {
        ShowLoopError();
    } catch (...) {
    }
    showingLoopError = false;
}

void KZApplication::ShowLoopError()
{
    KZMessageBox(KString(L"Error"), KString(L"Unhandled main loop exception (1001)."), kButtonOk, kButtonOk,
                 kIconExclamation);
}
