// Close requests met during a long operation, a modal loop or a session
// end's questions: held (an operation stopped) and run from the main loop
// once it runs alone again.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/app/KZLongOperation.h"
#include "shell/toolkit/KZToolkitCodes.h"

bool KZApplication::HoldClose(CloseRequest request)
{
    KZLongOperation *operation = KZLongOperation::Current();
    if (request == CloseRequest::None || (!operation && !ModalUp() && asking != Asking::SessionEnd))
        return false;
    if (request > heldClose)
        heldClose = request;
    // A dialog up over an operation asks the user something the operation
    // needs: what the user confirms there runs on.
    if (operation && !ModalUp()) {
        operation->Abort();
        heldCloseStopped = true;
    }
    return true;
}

bool KZApplication::MayQueueClose()
{
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
    if (!events || !mainWindow)
        return;
    // The same events a close of the main window (the router queues it
    // naming the window) or of the active event window makes.
    ZafEventStruct close(request == CloseRequest::Program ? ZAF_EV_CLOSE : kEvtCloseChild, 0);
    if (request == CloseRequest::Program)
        close.dataObject = mainWindow;
    events->Put(close, ZAF_QUEUE_BACK);
}
