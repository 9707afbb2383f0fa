#include "imaging/support/ModalTestSupport.h"

#include <windows.h>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZApplication.h"

namespace {

std::function<void()> pendingAction;

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    auto action = std::move(pendingAction);
    pendingAction = nullptr;
    if (action)
        action();
}

} // namespace

void WhileModal(std::function<void()> action)
{
    pendingAction = std::move(action);
    SetTimer(nullptr, 0, 30, &RunPending);
}

void QueueEvent(ZafEventType type)
{
    ZafEventManager::Shared()->Put(ZafEventStruct(type, 0));
}

ZafWindow *FrontWindow()
{
    KZApplication *application = KZApplication::Instance();
    ZafWindowManager *manager = application ? application->WindowManager() : nullptr;
    return manager ? manager->FrontWindow() : nullptr;
}
