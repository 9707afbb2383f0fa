// KFile: the system open and save dialogs (COMDLG32), kept to the paths
// they take, and the folder chooser (SHELL32), with the hook through which
// tests answer them.
#include "foundation/streams/KFile.h"

#include "foundation/streams/KFileExtension.h"

#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

// The dialog members share their names with the system's ANSI/wide macros.
#undef GetOpenFileName
#undef GetSaveFileName

namespace
{
KFile::DialogHook &Hook()
{
    static KFile::DialogHook hook;
    return hook;
}

// The comma-separated extensions, trimmed, empty ones dropped.
std::vector<KString> SplitExtensions(const KString &extensions)
{
    std::vector<KString> result;
    KString field;
    for (int i = 0; extensions.GetField(field, i); ++i) {
        field.Trim();
        if (field[0] == L'.') {
            KString rest;
            field.Extract(rest, 1, -1);
            field = rest;
        }
        if (!field.IsEmpty())
            result.push_back(field);
    }
    return result;
}

// "Description\0*.ext\0" per extension, then the closing 0.
std::vector<wchar_t> BuildFilter(const std::vector<KString> &extensions)
{
    std::vector<wchar_t> filter;
    auto add = [&filter](const KString &text) { filter.insert(filter.end(), text.CStr(), text.CStr() + text.Length()); };
    for (const KString &extension : extensions) {
        KString pattern(L"*.");
        pattern.Append(extension);
        const KFileExtension *type = KFileExtension::Find(extension);
        add(type && !type->Description().IsEmpty() ? type->Description() : pattern);
        filter.push_back(0);
        add(pattern);
        filter.push_back(0);
    }
    if (extensions.empty()) {
        add(KString(L"*.*"));
        filter.push_back(0);
        add(KString(L"*.*"));
        filter.push_back(0);
    }
    filter.push_back(0);
    return filter;
}

// The top-level window the dialog was opened from, which it disables while
// it is up: a child window given stands for its frame; none given, the
// thread's active window (the one whose command opened the dialog).
HWND DialogOwner(void *owner)
{
    HWND window = static_cast<HWND>(owner);
    if (window && IsWindow(window))
        return GetAncestor(window, GA_ROOT);
    return GetActiveWindow();
}

// The longest path the system's dialog and the file systems take: MAX_PATH
// less its closing null. Wine's dialog copies the name typed, or the folder
// shown and a name typed without a drive, into a buffer of MAX_PATH
// characters and overruns its stack beyond it.
constexpr int kLongestPath = MAX_PATH - 1;
// The window property that keeps the dialog's own window procedure.
const wchar_t *const kDialogProcedure = L"KFileDialogProcedure";

BOOL CALLBACK LimitTypedText(HWND child, LPARAM)
{
    wchar_t name[16] = {0};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Edit") == 0)
        SendMessageW(child, EM_LIMITTEXT, kLongestPath, 0);
    else if (lstrcmpiW(name, L"ComboBox") == 0)
        SendMessageW(child, CB_LIMITTEXT, kLongestPath, 0);
    return TRUE;
}

// The characters of a text the dialog answers, without its closing null.
int DialogTextLength(HWND dialog, UINT message) { return int(SendMessageW(dialog, message, 0, 0)) - 1; }

// Whether the path that the dialog would make of the name typed is longer
// than it takes: the name alone when it has a drive, else joined to the
// drive or to the folder shown. The name box takes no more than fits here.
bool TypedPathTooLong(HWND dialog)
{
    const int length = DialogTextLength(dialog, CDM_GETSPEC);
    if (length <= 0)
        return false;
    if (length > kLongestPath)
        return true;
    wchar_t typed[kLongestPath + 1] = {0};
    SendMessageW(dialog, CDM_GETSPEC, WPARAM(kLongestPath + 1), LPARAM(typed));
    int path = length;
    if (typed[0] == L'\\' || typed[0] == L'/')
        path += 2;
    else if (length < 2 || typed[1] != L':')
        path += DialogTextLength(dialog, CDM_GETFOLDERPATH) + 1;
    return path > kLongestPath;
}

// The dialog's window procedure in front of its own: Ok with a path too
// long is refused, and the dialog stays as it is.
LRESULT CALLBACK GuardDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetPropW(dialog, kDialogProcedure));
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && TypedPathTooLong(dialog)) {
        MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        RemovePropW(dialog, kDialogProcedure);
    }
    return CallWindowProcW(own, dialog, message, wParam, lParam);
}

// The dialog's hook: every field a user types or pastes a path into (the
// name box is an edit or a combo box, depending on the system) takes no
// longer a path than the dialog can, and Ok refuses a name that makes one
// with the folder shown. The hook's window is a child of the dialog, made
// before the dialog's last fields on some systems: once more when it is
// ready.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM data)
{
    const HWND dialog = GetParent(hook);
    if (message == WM_INITDIALOG) {
        EnumChildWindows(dialog, LimitTypedText, 0);
        const LONG_PTR own = SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GuardDialog));
        SetPropW(dialog, kDialogProcedure, reinterpret_cast<HANDLE>(own));
    } else if (message == WM_NOTIFY && reinterpret_cast<const NMHDR *>(data)->code == UINT(CDN_INITDONE)) {
        EnumChildWindows(dialog, LimitTypedText, 0);
    }
    return 0;
}

int RunFileDialog(KFile &file, const KString &extensions, const KString &title, void *owner, bool save)
{
    std::vector<KString> list = SplitExtensions(extensions);
    std::vector<wchar_t> filter = BuildFilter(list);
    KString folder, name;
    file.GetFolder(folder);
    file.GetName(name);
    std::vector<wchar_t> buffer(4096, 0);
    for (int i = 0; i < name.Length() && i + 1 < int(buffer.size()); ++i)
        buffer[size_t(i)] = name[i];

    OPENFILENAMEW ofn;
    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = DialogOwner(owner);
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = DWORD(buffer.size());
    ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.CStr();
    ofn.lpstrTitle = title.IsEmpty() ? nullptr : title.CStr();
    ofn.lpstrDefExt = list.empty() ? nullptr : list[0].CStr();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    ofn.lpfnHook = FileDialogHook;
    BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok)
        return -1;
    int index = ofn.nFilterIndex > 0 ? int(ofn.nFilterIndex) - 1 : 0;
    file.SetFullName(buffer.data());
    KString extension;
    file.GetExtension(extension);
    if (save && extension.IsEmpty() && index < int(list.size()))
        file.SetExtension(list[size_t(index)]);
    return index;
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED && data)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}
} // namespace

void KFile::SetDialogHook(DialogHook hook) { Hook() = std::move(hook); }

int KFile::GetOpenFileName(const KString &extensions, const KString &title, void *owner)
{
    if (Hook())
        return Hook()(kDialogOpen, *this, extensions, title);
    return RunFileDialog(*this, extensions, title, owner, false);
}

int KFile::GetSaveFileName(const KString &extensions, const KString &title, void *owner)
{
    if (Hook())
        return Hook()(kDialogSave, *this, extensions, title);
    return RunFileDialog(*this, extensions, title, owner, true);
}

int KFile::GetFolderName(const KString &title, void *owner)
{
    if (Hook())
        return Hook()(kDialogFolder, *this, KString(), title);
    KString folder;
    GetFolder(folder);
    // The chooser wants the folder without its trailing separator, except for a drive root.
    if (folder.Length() > 3 && (folder[folder.Length() - 1] == L'\\' || folder[folder.Length() - 1] == L'/'))
        folder.Truncate(folder.Length() - 1);
    wchar_t display[MAX_PATH] = {0};
    BROWSEINFOW info;
    ZeroMemory(&info, sizeof info);
    info.hwndOwner = DialogOwner(owner);
    info.pszDisplayName = display;
    info.lpszTitle = title.IsEmpty() ? nullptr : title.CStr();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = folder.IsEmpty() ? 0 : LPARAM(folder.CStr());
    HRESULT com = CoInitialize(nullptr);
    LPITEMIDLIST chosen = SHBrowseForFolderW(&info);
    int result = -1;
    if (chosen) {
        wchar_t path[MAX_PATH] = {0};
        if (SHGetPathFromIDListW(chosen, path) && path[0]) {
            SetFolderPath(KString(path));
            result = 0;
        }
        CoTaskMemFree(chosen);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}
