// The error and alert display.
#include "shell/app/VZApplication.h"

#include <windows.h>

#include "foundation/errors/KErrorCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZSettingKeys.h"

namespace {

// The code rounded down to a multiple of 1000, towards minus infinity.
int32_t ThousandGroup(int32_t code)
{
    int32_t group = code / 1000 * 1000;
    if (group > code)
        group -= 1000;
    return group;
}

const KString *ErrorSetting(const KRegistry &settings, int32_t code)
{
    KString key(kKeyErrors);
    key.AppendInt(code);
    KRString *text = settings.GetString(key.CStr());
    return text ? &text->GetValue() : nullptr;
}

} // namespace

void VZApplication::ErrorText(int32_t code, int32_t extra, KString &out) const
{
    KString127 text;
    const KString *found = nullptr;
    if (registry) {
        found = ErrorSetting(*registry, code);
        if (!found)
            found = ErrorSetting(*registry, ThousandGroup(code));
    }
    text = found ? *found : operationFailedText;
    text.Append(L" (").AppendInt(code);
    if (extra >= 0)
        text.AppendChar(L',').AppendInt(extra);
    text.Append(L").");
    out = text;
}

void VZApplication::ShowErrorCode(int32_t code, int32_t extra)
{
    KString text;
    ErrorText(code, extra, text);
    ShowError(text);
}

void VZApplication::ShowErrorCode(int32_t code, int32_t extra, const KString &about, const KString &why)
{
    KString text;
    ErrorText(code, extra, text);
    for (const KString *line : { &about, &why })
        if (!line->IsEmpty())
            text.Append(L"\r\n").Append(*line);
    ShowError(text);
}

void VZApplication::ShowFileError(int32_t code, int32_t extra, const KString &file)
{
    KString why;
    if (code == kErrFileOpen && registry) {
        const bool missing = extra == ERROR_FILE_NOT_FOUND || extra == ERROR_PATH_NOT_FOUND
                             || (extra < 0 && !file.IsEmpty() && !KFile(file.CStr()).Exists());
        if (missing)
            why = registry->GetText(kKeyAlertFileMissing);
        else if (extra == ERROR_ACCESS_DENIED || extra == ERROR_SHARING_VIOLATION)
            why = registry->GetText(kKeyAlertFileDenied);
    }
    ShowErrorCode(code, extra, file, why);
}

void VZApplication::ShowError(const KString &text)
{
    Ask(errorCaption, text, kButtonOk, kButtonOk, kIconExclamation);
}

void VZApplication::ShowAlert(const KString &caption, const KString &text)
{
    Ask(caption, text, kButtonOk, kButtonOk, kIconExclamation);
}

void VZApplication::ShowMessage(const KString &text)
{
    Ask(messageCaption, text, kButtonOk, kButtonOk, kIconAsterisk);
}

void VZApplication::ShowInfo(const KString &caption, const KString &text)
{
    Ask(caption, text, kButtonOk, kButtonOk, kIconAsterisk);
}

int32_t VZApplication::AskAbortRetry(const KString &caption, const KString &text)
{
    return KZMessageBox(caption, text, kButtonAbort | kButtonRetry, kButtonRetry, kIconAsterisk);
}

int32_t VZApplication::AskAbortRetryIgnore(const KString &caption, const KString &text)
{
    return KZMessageBox(caption, text, kButtonAbort | kButtonRetry | kButtonIgnore, kButtonRetry, kIconAsterisk);
}

void VZApplication::LoadAlertTexts()
{
    if (!registry)
        return;
    operationFailedText = registry->GetText(kKeyAlertOperationFailed);
    errorCaption = registry->GetText(kKeyAlertError);
    messageCaption = registry->GetText(kKeyAlertMessage);
}

void VZApplication::ShowLoopError()
{
    ShowErrorCode(kErrMainLoop, -1);
}
