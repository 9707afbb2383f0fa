// File dialogs: the test hook, the file-type descriptions and real dialogs
// under the display, answered from a helper thread.
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileExtension.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

#include "foundation/support/TestStreams.h"
#include "support/ClipboardText.h"
#include "support/SystemDialogCloser.h"

namespace
{
struct HookGuard
{
    ~HookGuard() { KFile::SetDialogHook(nullptr); }
};

// The field of a file dialog that takes the file's name: an edit, or the
// edit inside a combo box (itself inside an extended one on some systems).
HWND NameBox(HWND dialog)
{
    HWND box = GetDlgItem(dialog, cmb13);
    if (!box)
        box = GetDlgItem(dialog, edt1);
    for (HWND inner; box && (inner = GetWindow(box, GW_CHILD)) != nullptr;)
        box = inner;
    return box;
}

struct OwnedSearch
{
    HWND owner;
    HWND found;
};

BOOL CALLBACK VisitOwned(HWND window, LPARAM data)
{
    auto *search = reinterpret_cast<OwnedSearch *>(data);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window) || lstrcmpW(name, L"#32770"))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The visible system dialog that owner owns (a message over it); none.
HWND OwnedDialog(HWND owner)
{
    OwnedSearch search = { owner, nullptr };
    EnumWindows(VisitOwned, LPARAM(&search));
    return search.found;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM texts)
{
    wchar_t name[16] = {}, text[1024] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0)
        *reinterpret_cast<std::wstring *>(texts) += text;
    return TRUE;
}

// The texts of the window's static fields, one after the other.
std::wstring StaticTexts(HWND window)
{
    std::wstring texts;
    EnumChildWindows(window, AddStaticText, LPARAM(&texts));
    return texts;
}

// A user of the next system dialog of this process, on a second thread:
// once its name box takes no more than a path may have, puts text into it,
// pasted or typed key by key, and presses Ok. A message the dialog then
// shows over itself is read and answered with Ok; a dialog still up once
// its message has gone (or that showed none within 10 s) is cancelled.
class SaveAsUser
{
public:
    SaveAsUser(const std::wstring &text, bool paste) : thread([this, text, paste] { Run(text, paste); }) {}
    ~SaveAsUser() { Join(); }
    void Join()
    {
        if (thread.joinable())
            thread.join();
    }
    bool Stayed() const { return stayed; }
    LONG Style() const { return style; }
    // The message shown over the dialog after Ok; empty: none. Read once joined.
    const std::wstring &Message() const { return message; }

private:
    void Run(const std::wstring &text, bool paste)
    {
        HWND dialog = nullptr, box = nullptr;
        for (int i = 0; i < 600 && !(dialog = SystemDialogCloser::Find()); ++i)
            Sleep(50);
        for (int i = 0; i < 600 && !((box = NameBox(dialog)) && SendMessageW(box, EM_GETLIMITTEXT, 0, 0) == KFile::kLongestPath); ++i)
            Sleep(50);
        style = GetWindowLongW(dialog, GWL_STYLE);
        SendMessageW(box, EM_SETSEL, 0, -1);
        if (!paste)
            for (wchar_t c : text)
                SendMessageW(box, WM_CHAR, c, 1);
        else if (PutOnClipboard(text))
            SendMessageW(box, WM_PASTE, 0, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
        HWND shown = nullptr;
        for (int i = 0; i < 200 && IsWindow(dialog) && !(shown = OwnedDialog(dialog)); ++i)
            Sleep(50);
        if (shown) {
            message = StaticTexts(shown);
            PostMessageW(shown, WM_COMMAND, IDOK, 0);
            for (int i = 0; i < 200 && IsWindow(shown); ++i)
                Sleep(50);
        }
        stayed = IsWindow(dialog) != FALSE;
        for (int i = 0; i < 100 && IsWindow(dialog); ++i) {
            if (HWND top = SystemDialogCloser::Find())
                PostMessageW(top, WM_COMMAND, IDCANCEL, 0);
            Sleep(100);
        }
    }

    std::atomic<bool> stayed{ false };
    std::atomic<LONG> style{ 0 };
    std::wstring message;
    std::thread thread;   // last: it starts once the rest is made
};

// A path of length characters: a file named with n in folder, ending with extension.
std::wstring PathOf(const std::wstring &folder, size_t length, const std::wstring &extension)
{
    return folder + L"\\" + std::wstring(length - folder.size() - 1 - extension.size(), L'n') + extension;
}

// A text typed or pasted into the name box of Save As, and what the dialog answers.
struct SaveAsCase
{
    std::wstring text;
    bool paste;
    std::wstring answer;   // empty: the dialog stays up under its message
};

// Save As of workouts opened on the file start, given the case's text and
// Ok: a path answered is the case's, of at most 259 characters, with no
// message; a name refused leaves the dialog up under a message that says it
// is too long and names the limits. The dialog's frame can be resized.
void ExpectSaveAs(const std::wstring &start, const SaveAsCase &c)
{
    SCOPED_TRACE(testing::Message() << c.text.size() << (c.paste ? " pasted: " : " typed: ") << c.text.substr(0, 3));
    SaveAsUser user(c.text, c.paste);
    KFile file(start.c_str());
    const int answer = file.GetSaveFileName(KString(L"qvw"), KString(L"Save a test file"));
    user.Join();
    EXPECT_TRUE(user.Style() & WS_THICKFRAME) << "a frame of fixed size";
    EXPECT_LE(file.FullName().Length(), KFile::kLongestPath);
    if (c.answer.empty()) {
        EXPECT_EQ(answer, -1);
        EXPECT_TRUE(user.Stayed());
        EXPECT_NE(std::wstring::npos, user.Message().find(L"too long")) << "no message says why";
        EXPECT_NE(std::wstring::npos, user.Message().find(std::to_wstring(KFile::kLongestPath)));
        EXPECT_NE(std::wstring::npos, user.Message().find(std::to_wstring(KFile::kLongestName)));
    } else {
        EXPECT_EQ(answer, 0);
        EXPECT_EQ(std::wstring(file.FullName().CStr()), c.answer);
        EXPECT_EQ(L"", user.Message());
    }
}
} // namespace

TEST(KFileDialogHook, TheHookAnswersEveryDialogAndMayChooseAPath)
{
    HookGuard guard;
    int calls = 0;
    KFile::SetDialogHook([&](int kind, KFile &file, const KString &extensions, const KString &) {
        ++calls;
        if (kind == KFile::kDialogOpen) {
            EXPECT_EQ(extensions, L"qvw");
            file.SetFullName(L"C:\\events\\chosen.qvw");
            return 0;
        }
        if (kind == KFile::kDialogFolder) {
            file.SetFolderPath(KString(L"C:\\out"));
            return 0;
        }
        return -1;
    });
    KFile file;
    EXPECT_EQ(file.GetOpenFileName(KString(L"qvw")), 0);
    EXPECT_EQ(file.FullName(), L"C:\\events\\chosen.qvw");
    EXPECT_EQ(file.GetSaveFileName(KString(L"txt")), -1);
    EXPECT_EQ(file.GetFolderName(), 0);
    EXPECT_EQ(file.FullName(), L"C:\\out\\chosen.qvw");
    EXPECT_EQ(calls, 3);
}

TEST(KFileExtensionList, FindIgnoresCaseAndALeadingDot)
{
    KFileExtension *workout = new KFileExtension(KString(L"qvw"), KString(L"Quorvane Workout (*.qvw)"));
    EXPECT_EQ(KFileExtension::Find(KString(L"QVW")), workout);
    EXPECT_EQ(KFileExtension::Find(KString(L".qvw")), workout);
    EXPECT_EQ(KFileExtension::Find(KString(L"qve")), nullptr);
    EXPECT_EQ(workout->Owner(), &KFileExtension::List());
    delete workout;
    EXPECT_EQ(KFileExtension::Find(KString(L"qvw")), nullptr);
}

TEST(KFileDialogSystem, RealOpenDialogCancelledAnswersMinusOne)
{
    KFile file(L"C:\\windows\\none.txt");
    SystemDialogCloser canceller;
    EXPECT_EQ(file.GetOpenFileName(KString(L"txt,ini"), KString(L"Open a test file")), -1);
    EXPECT_TRUE(canceller.Closed());
    EXPECT_EQ(file.FullName(), L"C:\\windows\\none.txt");
}

TEST(KFileDialogSystem, RealFolderChooserCancelledAnswersMinusOne)
{
    KFile file(L"C:\\windows\\none.txt");
    SystemDialogCloser canceller;
    EXPECT_EQ(file.GetFolderName(KString(L"Choose a folder")), -1);
    EXPECT_TRUE(canceller.Closed());
    EXPECT_EQ(file.FullName(), L"C:\\windows\\none.txt");
}

// Save As in a folder of some 200 characters: a path pasted whole that the
// name box had to cut (300 characters, or 260 ending ".qvw" cut to ".qv"),
// a name typed that the dialog's ".qvw" takes past 259 characters, and one
// typed with the folder's drive and no root ("C:name") that reaches 260
// only in the folder shown leave the dialog up, under a message that says
// how long a path may be. A name that reaches 259 with ".qvw", also typed
// as "C:name", is saved as typed in the folder shown; "D:name" of another
// drive names a file in that drive's current folder.
TEST(KFileDialogSystem, SaveAsAnswersOnlyPathsOfAtMost259CharactersNamingTheFileGiven)
{
    ScratchFolder scratch;
    std::wstring folder(scratch.Path().CStr());
    folder.pop_back();
    while (folder.size() < 200) {
        folder += L"\\" + std::wstring(std::min<size_t>(40, 200 - folder.size()), L'd');
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    ASSERT_EQ(L':', folder[1]);
    const std::wstring drive = folder.substr(0, 2);
    // Another drive, and the full path the system makes of a name on it.
    std::wstring other, otherPath;
    for (wchar_t letter = L'Z'; letter > L'A' && other.empty(); --letter)
        if ((GetLogicalDrives() >> (letter - L'A')) & 1 && towupper(drive[0]) != letter)
            other = std::wstring(1, letter) + L":other.qvw";
    if (!other.empty()) {
        wchar_t full[MAX_PATH] = {};
        GetFullPathNameW(other.c_str(), MAX_PATH, full, nullptr);
        otherPath = full;
    }
    const size_t limit = KFile::kLongestPath;
    const std::wstring fits(limit - folder.size() - 5, L'c');   // in the folder, with ".qvw": 259
    const SaveAsCase cases[] = {
        { PathOf(folder, 300, L".qvw"), true, L"" },
        { PathOf(folder, 260, L".qvw"), true, L"" },
        { PathOf(folder, limit - 4, L""), false, PathOf(folder, limit - 4, L"") + L".qvw" },
        { PathOf(folder, limit - 3, L""), false, L"" },
        { drive + fits + L"c", false, L"" },
        { drive + fits, false, folder + L"\\" + fits + L".qvw" },
        { other, false, otherPath },
    };
    for (const SaveAsCase &c : cases)
        if (!c.text.empty())
            ExpectSaveAs(folder + L"\\first.qvw", c);
}

// Save As in the root of drive C:, where a path of 259 characters leaves
// room for a name of 256: a name that the dialog's ".qvw" takes to 256
// characters, the same typed as "C:name", and a full path whose name has
// 256 with an extension of its own leave the dialog up under its message,
// which says how long a name may be; a name of 255 with ".qvw" is saved,
// and the file systems take it.
TEST(KFileDialogSystem, SaveAsAnswersOnlyNamesOfAtMost255CharactersWhereThePathWouldFit)
{
    const std::wstring root = L"C:\\";
    const std::wstring over(KFile::kLongestName - 3, L'n'), longest(KFile::kLongestName - 4, L'n');
    const SaveAsCase cases[] = {
        { over, false, L"" },
        { L"C:" + over, false, L"" },
        { root + over + L".txt", false, L"" },
        { longest, false, root + longest + L".qvw" },
    };
    for (const SaveAsCase &c : cases)
        ExpectSaveAs(root + L"first.qvw", c);
    HANDLE made = CreateFileW((root + longest + L".qvw").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, made) << "the name answered cannot be saved: error " << GetLastError();
    if (made != INVALID_HANDLE_VALUE)
        CloseHandle(made);
}
