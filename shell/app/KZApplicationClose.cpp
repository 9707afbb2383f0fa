// Close requests met during a long operation or a modal loop: held (an
// operation stopped) and run from the main loop once it runs alone again.
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
    if (request == CloseRequest::None || (!operation && !ModalUp()))
        return false;
    if (request > heldClose)
        heldClose = request;
    if (operation)
        operation->Abort();
    return true;
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
    if (!events || !mainWindow)
        return;
    // The same events a close of the main window (the router queues it
    // naming the window) or of the active event window makes.
    ZafEventStruct close(request == CloseRequest::Program ? ZAF_EV_CLOSE : kEvtCloseChild, 0);
    if (request == CloseRequest::Program)
        close.dataObject = mainWindow;
    events->Put(close, ZAF_QUEUE_BACK);
}
