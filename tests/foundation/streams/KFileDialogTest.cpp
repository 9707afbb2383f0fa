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

// A user of the next system dialog of this process, on a second thread:
// puts text into its name box, pasted or typed key by key, and presses Ok;
// a dialog still up a second later is cancelled (a message of its own over
// it first).
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

private:
    void Run(const std::wstring &text, bool paste)
    {
        HWND dialog = nullptr;
        for (int i = 0; i < 600 && !(dialog = SystemDialogCloser::Find()); ++i)
            Sleep(50);
        Sleep(300);   // its last fields are made
        style = GetWindowLongW(dialog, GWL_STYLE);
        HWND box = NameBox(dialog);
        SendMessageW(box, EM_SETSEL, 0, -1);
        if (!paste)
            for (wchar_t c : text)
                SendMessageW(box, WM_CHAR, c, 1);
        else if (PutOnClipboard(text))
            SendMessageW(box, WM_PASTE, 0, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
        Sleep(1000);
        stayed = IsWindow(dialog) != FALSE;
        for (int i = 0; i < 100 && IsWindow(dialog); ++i) {
            if (HWND top = SystemDialogCloser::Find())
                PostMessageW(top, WM_COMMAND, IDCANCEL, 0);
            Sleep(100);
        }
    }

    std::atomic<bool> stayed{ false };
    std::atomic<LONG> style{ 0 };
    std::thread thread;   // last: it starts once the rest is made
};

// A path of length characters: a file named with n in folder, ending with extension.
std::wstring PathOf(const std::wstring &folder, size_t length, const std::wstring &extension)
{
    return folder + L"\\" + std::wstring(length - folder.size() - 1 - extension.size(), L'n') + extension;
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
// name box had to cut (300 characters, or 260 ending ".qvw" cut to ".qv") and
// a name typed that the dialog's ".qvw" takes past 259 characters leave the
// dialog up; a name that reaches 259 with ".qvw" is saved as typed. The
// dialog's frame can be resized.
TEST(KFileDialogSystem, SaveAsAnswersOnlyPathsOfAtMost259CharactersNamingTheFileGiven)
{
    ScratchFolder scratch;
    std::wstring folder(scratch.Path().CStr());
    folder.pop_back();
    while (folder.size() < 200) {
        folder += L"\\" + std::wstring(std::min<size_t>(40, 200 - folder.size()), L'd');
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    struct Case
    {
        std::wstring text;
        bool paste;
        std::wstring answer;   // empty: the dialog stays up
    };
    const Case cases[] = {
        { PathOf(folder, 300, L".qvw"), true, L"" },
        { PathOf(folder, 260, L".qvw"), true, L"" },
        { PathOf(folder, 255, L""), false, PathOf(folder, 255, L"") + L".qvw" },
        { PathOf(folder, 256, L""), false, L"" },
    };
    for (const Case &c : cases) {
        SaveAsUser user(c.text, c.paste);
        KFile file((folder + L"\\first.qvw").c_str());
        const int answer = file.GetSaveFileName(KString(L"qvw"), KString(L"Save a test file"));
        user.Join();
        EXPECT_TRUE(user.Style() & WS_THICKFRAME) << "a frame of fixed size";
        EXPECT_LE(file.FullName().Length(), 259) << c.text.size() << (c.paste ? " pasted" : " typed");
        if (c.answer.empty()) {
            EXPECT_EQ(answer, -1) << c.text.size() << (c.paste ? " pasted" : " typed");
            EXPECT_TRUE(user.Stayed());
        } else {
            EXPECT_EQ(answer, 0) << c.text.size() << " typed";
            EXPECT_EQ(std::wstring(file.FullName().CStr()), c.answer);
        }
    }
}
