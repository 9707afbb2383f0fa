#include "shell/support/DialogTestSupport.h"

#include <windows.h>

#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/toolkit/fields/KZButton.h"

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

void AnswerFileDialogs(const std::wstring &path)
{
    KFile::SetDialogHook([path](int, KFile &file, const KString &, const KString &) {
        if (path.empty())
            return -1;
        file.SetFullName(path.c_str());
        return 0;
    });
}

void PressButton(ZafWindow *window, int32_t value)
{
    for (KZButton *button : FieldsOf<KZButton>(window))
        if (button->Value() == value)
            PostMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
}

ZafWindow *FrontWindow()
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    return manager ? dynamic_cast<ZafWindow *>(static_cast<ZafWindowObject *>(manager->ZafList::First())) : nullptr;
}
