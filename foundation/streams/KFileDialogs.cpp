// KFile: the system open and save dialogs (COMDLG32), kept to the paths
// they take, and the folder chooser (SHELL32), with the hook through which
// tests answer them.
#include "foundation/streams/KFile.h"

#include "foundation/streams/KFileExtension.h"
#include "foundation/strings/KText.h"

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
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

// The message of a name refused for too long a path, as the start-up set it.
KString &PathTooLongText()
{
    static KString text;
    return text;
}

const wchar_t *const kBuiltInPathTooLong =
    L"The name is too long: with its folder and extension a file's path may have at most %d characters, and "
    L"each name in it at most 255.";

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

// The longest path the dialogs take: Wine's dialog copies the name typed,
// or the folder shown and a name typed without a drive, into a buffer of
// MAX_PATH characters and overruns its stack beyond it.
constexpr int kLongestPath = KFile::kLongestPath;
static_assert(kLongestPath == MAX_PATH - 1, "a path and its closing null fill MAX_PATH");
// The longest folder or file name: the file systems refuse a longer one,
// which the dialog would answer all the same when the path fits.
constexpr int kLongestName = KFile::kLongestName;
// The window properties of a guarded dialog: the window procedure it had
// (also on its combo boxes), and its DialogGuard.
const wchar_t *const kOwnProcedure = L"KFileDialogProcedure";
const wchar_t *const kGuardProperty = L"KFileDialogGuard";

// What the hook keeps for one dialog: the characters the dialog adds to a
// name typed without an extension, the text of the field that last refused
// characters typed or pasted into it, as it held it afterwards, and the
// process's current folder before the dialog (which changes it while it
// browses).
struct DialogGuard
{
    int extension = 0;   // "." and the longest extension the dialog may add
    HWND cutField = nullptr;
    std::wstring cutText;
    wchar_t startFolder[kLongestPath + 1] = {0};
};

DialogGuard *GuardOf(HWND window)
{
    return static_cast<DialogGuard *>(GetPropW(GetAncestor(window, GA_ROOT), kGuardProperty));
}

std::wstring TextOf(HWND window)
{
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, &text[0], int(text.size()))));
    return text;
}

// Put in front of the window's own procedure, once.
void Subclass(HWND window, WNDPROC guard)
{
    if (GetPropW(window, kOwnProcedure))
        return;
    const LONG_PTR own = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(guard));
    SetPropW(window, kOwnProcedure, reinterpret_cast<HANDLE>(own));
}

// Hands the message to the window's own procedure; the last one gives it back.
LRESULT CallOwn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetPropW(window, kOwnProcedure));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        RemovePropW(window, kOwnProcedure);
        RemovePropW(window, kGuardProperty);
    }
    return CallWindowProcW(own, window, message, wParam, lParam);
}

// The message that a field which refused characters posts to its dialog:
// it arrives once the paste or key that was cut has changed the text.
UINT CutMessage()
{
    static const UINT message = RegisterWindowMessageW(L"KFileDialogCut");
    return message;
}

// A field tells its parent that it refused characters (EN_MAXTEXT).
void NoteRefusal(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_MAXTEXT && lParam)
        PostMessageW(GetAncestor(HWND(lParam), GA_ROOT), CutMessage(), 0, lParam);
}

// A combo box in front of its own procedure: its edit's refusals, which it
// does not pass on.
LRESULT CALLBACK GuardComboBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    NoteRefusal(message, wParam, lParam);
    return CallOwn(box, message, wParam, lParam);
}

BOOL CALLBACK LimitTypedText(HWND child, LPARAM)
{
    wchar_t name[16] = {0};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Edit") == 0) {
        SendMessageW(child, EM_LIMITTEXT, kLongestPath, 0);
    } else if (lstrcmpiW(name, L"ComboBox") == 0) {
        SendMessageW(child, CB_LIMITTEXT, kLongestPath, 0);
        Subclass(child, GuardComboBox);
    }
    return TRUE;
}

// The characters of a text the dialog answers, without its closing null.
int DialogTextLength(HWND dialog, UINT message) { return int(SendMessageW(dialog, message, 0, 0)) - 1; }

// Whether the dialog adds its extension to the name typed: it does unless
// the name's last part has one of its own (a dot, then characters without
// a blank).
bool LacksExtension(const wchar_t *name)
{
    const wchar_t *dot = nullptr;
    for (; *name; ++name) {
        if (*name == L'\\' || *name == L'/' || *name == L' ')
            dot = nullptr;
        else if (*name == L'.')
            dot = name;
    }
    return !dot || !dot[1];
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The characters of the longest name (a folder's or the file's) in a path,
// the characters added to the last one counted with it.
int LongestName(const wchar_t *path, int added)
{
    int longest = 0, length = 0;
    for (; *path; ++path) {
        length = IsSeparator(*path) ? 0 : length + 1;
        longest = std::max(longest, length);
    }
    return std::max(longest, length + added);
}

// A drive and no root: "D:name", which names a file relative to a folder of drive D.
bool HasDriveWithoutRoot(const wchar_t *name)
{
    const wchar_t letter = KTextToUpper(name[0]);
    return letter >= L'A' && letter <= L'Z' && name[1] == L':' && name[2] && !IsSeparator(name[2]);
}

bool OnDriveOf(const wchar_t *folder, const wchar_t *name)
{
    return folder[0] && folder[1] == L':' && KTextToUpper(folder[0]) == KTextToUpper(name[0]);
}

// The full path that a name with a drive and no root names: in the folder
// shown when that is on the name's drive, else in that drive's current
// folder, as the file would be found once the dialog has given the process
// its current folder back. Answers its length, written into path
// (kLongestPath + 1 characters) when it fits; 0 when the system makes no
// path of it.
int DriveRelativePath(HWND dialog, const DialogGuard &guard, const wchar_t *name, wchar_t *path)
{
    wchar_t folder[kLongestPath + 1] = {0};
    const int shown = DialogTextLength(dialog, CDM_GETFOLDERPATH);
    if (shown > 0 && shown <= kLongestPath)
        SendMessageW(dialog, CDM_GETFOLDERPATH, WPARAM(kLongestPath + 1), LPARAM(folder));
    if (!OnDriveOf(folder, name))
        lstrcpyW(folder, guard.startFolder);
    if (!OnDriveOf(folder, name)) {
        // Neither is on that drive: the drive's own current folder, the same
        // while the dialog is up as after it.
        const DWORD length = GetFullPathNameW(name, kLongestPath + 1, path, nullptr);
        return length > DWORD(kLongestPath) ? int(length) - 1 : int(length);
    }
    const int folderLength = lstrlenW(folder);
    const int separator = IsSeparator(folder[folderLength - 1]) ? 0 : 1;
    const int length = folderLength + separator + lstrlenW(name + 2);
    if (length <= kLongestPath) {
        lstrcpyW(path, folder);
        if (separator)
            lstrcatW(path, L"\\");
        lstrcatW(path, name + 2);
    }
    return length;
}

// Whether the path that the dialog would make of the name typed is longer
// than it takes, or holds a longer name than the file systems take: the
// name alone when it has a drive and a root, else joined to the drive or to
// the folder shown, with the extension the dialog adds.
// The name box takes no more than fits here. A name with a drive and no
// root that fits is put into the name box as the full path it names, which
// the dialog then takes as typed.
bool TypedPathTooLong(HWND dialog, const DialogGuard &guard)
{
    const int length = DialogTextLength(dialog, CDM_GETSPEC);
    if (length <= 0)
        return false;
    if (length > kLongestPath)
        return true;
    wchar_t typed[kLongestPath + 1] = {0};
    SendMessageW(dialog, CDM_GETSPEC, WPARAM(kLongestPath + 1), LPARAM(typed));
    if (HasDriveWithoutRoot(typed)) {
        wchar_t full[kLongestPath + 1] = {0};
        const int path = DriveRelativePath(dialog, guard, typed, full);
        if (path == 0)
            return false;
        const int added = LacksExtension(full) ? guard.extension : 0;
        if (path + added > kLongestPath || LongestName(full, added) > kLongestName)
            return true;
        SendMessageW(dialog, CDM_SETCONTROLTEXT, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, LPARAM(full));
        return false;
    }
    const int added = LacksExtension(typed) ? guard.extension : 0;
    if (LongestName(typed, added) > kLongestName)
        return true;
    int path = length + added;
    if (IsSeparator(typed[0]))
        path += 2;
    else if (length < 2 || typed[1] != L':')
        path += DialogTextLength(dialog, CDM_GETFOLDERPATH) + 1;
    return path > kLongestPath;
}

// Whether Ok would take a name the user did not give: a field still holds
// what was left of a paste or of typing it had to cut.
bool HoldsCutText(const DialogGuard &guard)
{
    return guard.cutField && IsWindow(guard.cutField) && TextOf(guard.cutField) == guard.cutText;
}

// Says why Ok did nothing, in a box the dialog owns, under the dialog's title.
void ShowPathTooLong(HWND dialog)
{
    wchar_t text[1024] = {0};
    if (KTextFormatInt(text, 1024, PathTooLongText().CStr(), kLongestPath) <= 0)
        KTextFormatInt(text, 1024, kBuiltInPathTooLong, kLongestPath);
    wchar_t title[256] = {0};
    GetWindowTextW(dialog, title, 256);
    MessageBoxW(dialog, text, title, MB_OK | MB_ICONEXCLAMATION);
}

// The dialog's window procedure in front of its own: Ok with a path or a
// name too long, or with a name cut by its field, is refused with a message
// that says so, and the dialog stays as it is.
LRESULT CALLBACK GuardDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogGuard *guard = GuardOf(dialog);
    if (guard && message == CutMessage()) {
        guard->cutField = HWND(lParam);
        guard->cutText = TextOf(guard->cutField);
        return 0;
    }
    if (guard && message == WM_COMMAND && LOWORD(wParam) == IDOK &&
        (HoldsCutText(*guard) || TypedPathTooLong(dialog, *guard))) {
        ShowPathTooLong(dialog);
        return 0;
    }
    NoteRefusal(message, wParam, lParam);
    return CallOwn(dialog, message, wParam, lParam);
}

// The dialog's hook: every field a user types or pastes a path into (the
// name box is an edit or a combo box, depending on the system) takes no
// longer a path than the dialog can, and Ok refuses a name that makes one
// with the folder shown and the extension added, that holds too long a
// name, or that a field cut, and takes a name with a drive and no root in
// the folder shown. The hook's window is a child of the dialog, made before
// the dialog's last fields on some systems: once more when it is ready.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM data)
{
    const HWND dialog = GetParent(hook);
    if (message == WM_INITDIALOG) {
        SetPropW(dialog, kGuardProperty,
                 reinterpret_cast<HANDLE>(reinterpret_cast<const OPENFILENAMEW *>(data)->lCustData));
        Subclass(dialog, GuardDialog);
        EnumChildWindows(dialog, LimitTypedText, 0);
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
    // A hooked dialog keeps a fixed size unless it asks for sizing.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK |
                OFN_ENABLESIZING | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    ofn.lpfnHook = FileDialogHook;
    DialogGuard guard;
    for (const KString &extension : list)
        guard.extension = std::max(guard.extension, 1 + extension.Length());
    if (GetCurrentDirectoryW(kLongestPath + 1, guard.startFolder) > DWORD(kLongestPath))
        guard.startFolder[0] = 0;
    ofn.lCustData = reinterpret_cast<LPARAM>(&guard);
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

void KFile::SetPathTooLongText(const KString &format) { PathTooLongText() = format; }

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
