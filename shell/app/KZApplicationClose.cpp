// Close requests met during a long operation: held, the operation stopped,
// and run from the main loop once the operation has ended.
#include "shell/app/KZApplication.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/app/KZLongOperation.h"
#include "shell/toolkit/KZToolkitCodes.h"

bool KZApplication::HoldClose(CloseRequest request)
{
    KZLongOperation *operation = KZLongOperation::Current();
    if (!operation || request == CloseRequest::None)
        return false;
    if (request > heldClose)
        heldClose = request;
    operation->Abort();
    return true;
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
