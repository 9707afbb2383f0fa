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

bool IsFolder(const KString &path)
{
    const DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.CStr());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The key of why a file operation failed, from the system's error in extra;
// null when no reason is known. Only the codes from opening to deleting a
// file carry a system error in extra (others carry positions or nothing).
const wchar_t *FileErrorReason(int32_t code, int32_t extra, const KString &file)
{
    if (code == kErrDiskFull)
        return kKeyAlertDiskFull;
    if (code < kErrFileOpen || code > kErrFileDelete)
        return nullptr;
    switch (extra) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return kKeyAlertFileMissing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return kKeyAlertFileInUse;
    case ERROR_ACCESS_DENIED:
        // Opening a folder as a file is refused as access denied.
        return IsFolder(file) ? kKeyAlertFileIsFolder : kKeyAlertFileDenied;
    case ERROR_ALREADY_EXISTS:   // a save finds a folder under the name it writes
        return IsFolder(file) ? kKeyAlertFileIsFolder : nullptr;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return kKeyAlertDiskFull;
    default:
        break;
    }
    if (extra < 0 && code == kErrFileOpen && !file.IsEmpty())
        return IsFolder(file) ? kKeyAlertFileIsFolder : !KFile(file.CStr()).Exists() ? kKeyAlertFileMissing : nullptr;
    return nullptr;
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
    if (registry)
        if (const wchar_t *key = FileErrorReason(code, extra, file))
            why = registry->GetText(key);
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
    KFile::SetPathTooLongText(registry->GetText(kKeyAlertPathTooLong));
}

void VZApplication::ShowLoopError()
{
    ShowErrorCode(kErrMainLoop, -1);
}
