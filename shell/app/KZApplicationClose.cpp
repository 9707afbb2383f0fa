// Close requests met during a long operation, a modal loop or a session
// end's questions: held (an operation stopped) and run from the main loop
// once it runs alone again.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/base/ZafConstants.h"
#include "framework/core/base/ZafRestoreOnExit.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/app/KZLongOperation.h"
#include "shell/toolkit/KZToolkitCodes.h"

bool KZApplication::HoldClose(CloseRequest request, ZafWindowObject *child)
{
    const bool childClose = request == CloseRequest::ChildWindow;
    if (childClose && !child && mainWindow)
        child = mainWindow->CurrentChild();
    // Its own question is up: the answer given there is this close's too.
    if (childClose && child && child == askedChild)
        return true;
    KZLongOperation *operation = KZLongOperation::Current();
    if (request == CloseRequest::None || (!operation && !ModalUp() && asking != Asking::SessionEnd))
        return false;
    if (request > heldClose)
        heldClose = request;
    if (childClose)
        HoldChildClose(child);
    // A dialog up over an operation asks the user something the operation
    // needs: what the user confirms there runs on. A child window's close
    // stops only what works on that window: work started elsewhere (an
    // upload, another workout's download) runs to its end first.
    if (operation && !ModalUp() && (!childClose || operation->WorksOn(child))) {
        operation->Abort();
        heldCloseStopped = true;
    }
    return true;
}

ZafEventType KZApplication::QueryChildClose(ZafWindowObject &child)
{
    const ZafEventStruct query(kEvtCloseQuery, 0);
    if (!instance)
        return child.Event(query);
    ZafRestoreOnExit<ZafWindowObject *> asked(instance->askedChild, &child);
    return child.Event(query);
}

void KZApplication::HoldChildClose(ZafWindowObject *child)
{
    // The frame's handle, not the object: the window may go before the
    // close runs, and another may then be made at the same address.
    void *frame = child ? child->OSHandle(2) : nullptr;
    if (frame && std::find(heldChildren.begin(), heldChildren.end(), frame) == heldChildren.end())
        heldChildren.push_back(frame);
}

bool KZApplication::MayQueueClose(ZafWindowObject *child)
{
    if (child)
        return !HoldClose(CloseRequest::ChildWindow, child);
    // Met while the exit asks (its question, its Save As): that exit's own.
    if (asking == Asking::Exit)
        return false;
    // A system dialog's loop never reads the queue: the close would first be
    // read after the dialog, inside what the user confirmed there.
    return !HoldClose(CloseRequest::Program);
}

bool KZApplication::ModalUp() const
{
    if (modalDepth > 0)
        return true;
    // A system dialog or box runs its own loop; it disables its owner.
    HWND main = mainWindow ? static_cast<HWND>(mainWindow->OSWindow()) : nullptr;
    HWND frame = main && IsWindow(main) ? GetAncestor(main, GA_ROOT) : nullptr;
    return frame && !IsWindowEnabled(frame);
}

void KZApplication::RunHeldClose()
{
    ZafEventManager *events = EventManager();
    const CloseRequest request = heldClose;
    heldClose = CloseRequest::None;
    heldCloseStopped = false;
    if (!events || !mainWindow) {
        heldChildren.clear();
        return;
    }
    // The same events a close of the main window (the router queues it
    // naming the window) or of a child window (its procedure queues it
    // naming the child) makes. The child windows' closes wait behind the
    // program's: should its exit be called off, they run at the next idle
    // step (the exit may have closed some of their windows meanwhile).
    if (request == CloseRequest::Program) {
        if (!heldChildren.empty())
            heldClose = CloseRequest::ChildWindow;
        ZafEventStruct close(ZAF_EV_CLOSE, 0);
        close.dataObject = mainWindow;
        events->Put(close, ZAF_QUEUE_BACK);
        return;
    }
    std::vector<void *> children;
    children.swap(heldChildren);
    for (void *frame : children)
        if (ZafWindowObject *child = ChildOfFrame(frame)) {
            ZafEventStruct close(kEvtCloseChild, 0);
            close.dataObject = child;
            events->Put(close, ZAF_QUEUE_BACK);
        }
}

ZafWindowObject *KZApplication::ChildOfFrame(void *frame) const
{
    if (!mainWindow || !frame || !IsWindow(static_cast<HWND>(frame)))
        return nullptr;
    for (ZafElement *e = mainWindow->FirstChild(); e; e = e->Next())
        if (static_cast<ZafWindowObject *>(e)->OSHandle(2) == frame)
            return static_cast<ZafWindowObject *>(e);
    return nullptr;
}
