// Construction, the standard buttons, the slots and the modal run.
#include "shell/toolkit/dialogs/KZDialog.h"

#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

struct StandardButton
{
    uint32_t flag;
    int32_t result;
    const wchar_t *key;
};

constexpr StandardButton kStandardButtons[] = {
    { kButtonOk, kDialogOk, L"\\Strings\\Dialog\\Ok" },
    { kButtonYes, kDialogYes, L"\\Strings\\Dialog\\Yes" },
    { kButtonNo, kDialogNo, L"\\Strings\\Dialog\\No" },
    { kButtonCancel, kDialogCancel, L"\\Strings\\Dialog\\Cancel" },
    { kButtonAbort, kDialogAbort, L"\\Strings\\Dialog\\Abort" },
    { kButtonRetry, kDialogRetry, L"\\Strings\\Dialog\\Retry" },
    { kButtonIgnore, kDialogIgnore, L"\\Strings\\Dialog\\Ignore" },
};

const StandardButton *FindStandard(uint32_t flag)
{
    for (const StandardButton &button : kStandardButtons)
        if (button.flag == flag)
            return &button;
    return nullptr;
}

// The dialog's font: the display's font number 1.
constexpr ZafInt8 kDialogFont = 1;

// The window a dialog opens over: the front window on screen that is not a
// temporary one (a menu closes as the dialog opens); none.
ZafWindow *WindowUnderneath(const ZafWindowManager &manager)
{
    for (ZafElement *e = manager.FrontWindow(); e; e = e->Next()) {
        auto *window = dynamic_cast<ZafWindow *>(e);
        if (window && !window->Temporary() && window->Registered())
            return window;
    }
    return nullptr;
}

} // namespace

KZDialog::KZDialog(const wchar_t *title, uint32_t buttonFlags, uint32_t defaultFlag)
    : ZafDialogWindow(0, 0, 0, 0), KZWindowLeech(this), buttons(buttonFlags), defaultButton(defaultFlag),
      container(this)
{
    SetFont(kDialogFont);
    SetSelectionType(kSeveralSelected);
    AddFrameObjects(title ? title : L"");
}

KZDialog::~KZDialog()
{
    // A dialog still on screen leaves it first (its fields, and pending ones
    // that never reached a container, go with the dialog and its lists).
    if (ZafWindowManager *manager = ZafWindowManager::Shared())
        if (manager->Holds(this))
            manager->Subtract(this);
}

ZafEventType KZDialog::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    return ZafDialogWindow::Event(event);
}

int KZDialog::IsEndCode(const ZafEventStruct &event)
{
    return event.type >= kDialogEndFirst && event.type <= kDialogEndLast ? 2 : 0;
}

void KZDialog::Finish(int32_t)
{
}

KString KZDialog::ButtonLabel(uint32_t flag)
{
    const StandardButton *button = FindStandard(flag);
    return button ? KString(KZSettingText(button->key)) : KString();
}

int32_t KZDialog::ButtonResult(uint32_t flag)
{
    const StandardButton *button = FindStandard(flag);
    return button ? button->result : 0;
}

int32_t KZDialog::DoModal()
{
    KZApplication *app = KZApplication::Instance();
    ZafWindowManager *manager = app ? app->WindowManager() : nullptr;
    if (!manager)
        return kEvtWindowGone;
    Prepare();
    // Owned by the window it opens over, the dialog stays above that window
    // wherever the user clicks, on Windows and under a desktop's window
    // manager alike; unowned, a click on the main window hid it there.
    if (!Owner())
        if (ZafWindow *underneath = WindowUnderneath(*manager))
            SetOwner(underneath);
    manager->Add(this);
    const int32_t result = app->Control(this);
    Finish(result);
    if (manager->Holds(this))
        manager->Subtract(this);
    return result;
}

void KZDialog::AddToContainer(ZafWindowObject *field)
{
    // Between notebook pages no container takes fields; the field would be
    // lost, so it goes to the dialog instead.
    (container ? container : this)->Add(field);
}

int KZDialog::Cells(const wchar_t *text) const
{
    return TextCells(text ? text : L"");
}
