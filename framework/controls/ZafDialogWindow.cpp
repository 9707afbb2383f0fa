// The portable half of ZafDialogWindow: settings, the result codes, the
// modal loop and storage.
#include "framework/controls/ZafDialogWindow.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"


ZafDialogWindow::ZafDialogWindow(int left, int top, int width, int height) : ZafWindow(left, top, width, height)
{
    SetDestroyable(false);
    SetModal(true);
    SetSizeable(false);
}

ZafDialogWindow::ZafDialogWindow(const ZafDialogWindow &copy) : ZafWindow(copy)
{
}

ZafDialogWindow::ZafDialogWindow(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafPopObjectLevel(*this, persistence);
}

void ZafDialogWindow::Write(ZafObjectPersistence &persistence)
{
    ZafWriteAtLevel(*this, persistence, className, classID, [&] { ZafWindow::Write(persistence); });
}

ZafEventType ZafDialogWindow::Event(const ZafEventStruct &event)
{
    if (IsResultCode(event.type))
        return event.type;
    return ZafWindow::Event(event);
}

ZafInt32 ZafDialogWindow::DoModal(ZafUInt32 flags)
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    ZafEventManager *events = ZafEventManager::Shared();
    if (destroyable || !manager || !events)
        return ZAF_REFUSED;
    manager->Add(this);
    ZafEventType result = ZAF_MODAL_GONE;
    ZafEventType type = ZAF_EVENT_NONE;
    do
    {
        ZafEventStruct event;
        if (events->Get(event, flags) != 0)
            continue;
        type = event.type;
        if (type >= ZAF_DIALOG_OK && type <= -2000)
            result = Event(event);
        else
            manager->Event(event);
    } while (osWindow && result == ZAF_MODAL_GONE && type != ZAF_EV_EXIT);
    manager->Subtract(this);
    // The window manager unregisters only a window that still has its
    // client; a frame left without one goes here.
    if (frameWindow)
        Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    return result;
}
