// File dialogs: the test hook, the file-type descriptions and one real
// dialog under the display, cancelled from a helper thread.
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileExtension.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

namespace
{
struct HookGuard
{
    ~HookGuard() { KFile::SetDialogHook(nullptr); }
};

// Cancels the first dialog window of this process that appears.
class DialogCanceller
{
public:
    DialogCanceller() : itsThread([this] { Run(); }) {}
    ~DialogCanceller()
    {
        itsStop = true;
        itsThread.join();
    }
    bool Cancelled() const { return itsCancelled; }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM data)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[32] = {0};
        GetClassNameW(window, name, 32);
        if (process == GetCurrentProcessId() && IsWindowVisible(window) && wcscmp(name, L"#32770") == 0) {
            *reinterpret_cast<HWND *>(data) = window;
            return FALSE;
        }
        return TRUE;
    }
    void Run()
    {
        for (int i = 0; i < 600 && !itsStop; ++i) {
            HWND dialog = nullptr;
            EnumWindows(Visit, LPARAM(&dialog));
            if (dialog) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                itsCancelled = true;
                return;
            }
            Sleep(50);
        }
    }
    std::atomic<bool> itsStop{false};
    std::atomic<bool> itsCancelled{false};
    std::thread itsThread;
};
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
    DialogCanceller canceller;
    EXPECT_EQ(file.GetOpenFileName(KString(L"txt,ini"), KString(L"Open a test file")), -1);
    EXPECT_TRUE(canceller.Cancelled());
    EXPECT_EQ(file.FullName(), L"C:\\windows\\none.txt");
}

TEST(KFileDialogSystem, RealFolderChooserCancelledAnswersMinusOne)
{
    KFile file(L"C:\\windows\\none.txt");
    DialogCanceller canceller;
    EXPECT_EQ(file.GetFolderName(KString(L"Choose a folder")), -1);
    EXPECT_TRUE(canceller.Cancelled());
    EXPECT_EQ(file.FullName(), L"C:\\windows\\none.txt");
}
