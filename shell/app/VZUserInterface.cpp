// The domain's user interface over the application's prompts.
#include "shell/app/VZUserInterface.h"

#include "foundation/streams/KFile.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/bars/KZStatusBar.h"

namespace {

// The default button of a question: Yes, else Retry, else Ok, else the first offered.
uint32_t DefaultButton(uint32_t buttons)
{
    for (uint32_t button : { kButtonYes, kButtonRetry, kButtonOk, kButtonNo, kButtonAbort, kButtonIgnore })
        if (buttons & button)
            return button;
    return kButtonCancel;
}

} // namespace

void VZUserInterface::ShowError(int32_t code, int32_t extra)
{
    application.ShowErrorCode(code, extra);
}

void VZUserInterface::ShowErrorAbout(int32_t code, int32_t extra, const KString &about, const KString &why)
{
    application.ShowErrorCode(code, extra, about, why);
}

void VZUserInterface::ShowFileError(int32_t code, int32_t extra, const KString &file)
{
    application.ShowFileError(code, extra, file);
}

void VZUserInterface::ShowMessage(const KString &title, const KString &text)
{
    application.ShowInfo(title, text);
}

int VZUserInterface::Ask(const KString &title, const KString &text, int buttons)
{
    return KZMessageBox(title, text, uint32_t(buttons), DefaultButton(uint32_t(buttons)), kIconQuestion);
}

void VZUserInterface::StatusText(const KString &text)
{
    if (KZStatusBar *bar = KZMainStatusBar())
        bar->SetMessage(text.CStr());
}

bool VZUserInterface::ChooseSaveFile(KString &path, const wchar_t *extensions)
{
    KFile file(path.CStr());
    if (file.GetSaveFileName(KString(extensions)) < 0)
        return false;
    path = file.FullName();
    return true;
}

void VZUserInterface::BeginWork(const KString &text)
{
    if (work)
        work->SetText(text);
    else
        work = std::make_unique<KZLongOperation>(text, -1);
}

void VZUserInterface::WorkText(const KString &text)
{
    if (work)
        work->SetText(text);
    else
        StatusText(text);
}

bool VZUserInterface::Work(int percent)
{
    return work ? work->Step(percent) : true;
}

void VZUserInterface::EndWork()
{
    work.reset();
}
