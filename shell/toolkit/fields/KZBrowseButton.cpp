#include "shell/toolkit/fields/KZBrowseButton.h"

#include "foundation/streams/KFile.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

constexpr ZafEventType kActivated = 1002;   // the framework's selection of the button

// The framework calls this with every selection code of the button.
template <typename Button> ZafEventType Activated(ZafWindowObject *object, ZafEventStruct &, ZafEventType code)
{
    if (code == kActivated)
        if (auto *button = dynamic_cast<Button *>(object))
            button->Browse();
    return 0;
}

void *Owner(ZafWindow *dialog)
{
    return dialog ? dialog->OSWindow() : nullptr;
}

const wchar_t *FieldText(KZString *field)
{
    const wchar_t *text = field ? field->Text() : nullptr;
    return text ? text : L"";
}

} // namespace

KZBrowseFileButton::KZBrowseFileButton(int left, int top, int width, const wchar_t *label, KZString *field,
                                       ZafWindow *dialog, const wchar_t *filter)
    : KZButton(left, top, width, 1, label ? label : L"", nullptr, kPush, 0), field(field), dialog(dialog),
      filter(filter ? filter : L"")
{
    SetUserFunction(&Activated<KZBrowseFileButton>);
}

bool KZBrowseFileButton::Browse()
{
    if (!field)
        return false;
    KFile file;
    file.SetFullName(FieldText(field));
    if (file.GetOpenFileName(filter, KString(), Owner(dialog)) < 0)
        return false;
    field->SetText(file.FullName().CStr());
    field->SetSelectionChanged(true);
    return true;
}

KZBrowseDirectoryButton::KZBrowseDirectoryButton(int left, int top, int width, const wchar_t *label,
                                                 KZString *field, ZafWindow *dialog)
    : KZButton(left, top, width, 1, label ? label : L"", nullptr, kPush, 0), field(field), dialog(dialog)
{
    SetUserFunction(&Activated<KZBrowseDirectoryButton>);
}

bool KZBrowseDirectoryButton::Browse()
{
    if (!field)
        return false;
    KFile file;
    file.SetFolderPath(KString(FieldText(field)));
    if (file.GetFolderName(KString(), Owner(dialog)) < 0)
        return false;
    KString folder;
    file.GetFolder(folder);
    // "C:\data\" shows as "C:\data"; a drive's root keeps its separator.
    if (folder.Length() > 3 && (folder[folder.Length() - 1] == L'\\' || folder[folder.Length() - 1] == L'/'))
        folder.Truncate(folder.Length() - 1);
    field->SetText(folder.CStr());
    field->SetSelectionChanged(true);
    return true;
}
