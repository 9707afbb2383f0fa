// File dialogs: the test hook, the file-type descriptions and one real
// dialog under the display, cancelled from a helper thread.
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileExtension.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "support/SystemDialogCloser.h"

namespace
{
struct HookGuard
{
    ~HookGuard() { KFile::SetDialogHook(nullptr); }
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
