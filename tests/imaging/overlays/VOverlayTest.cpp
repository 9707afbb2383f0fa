#include "imaging/overlays/VOverlay.h"

#include "foundation/streams/KFile.h"
#include "foundation/support/KTestApplication.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
void Touch(const std::wstring &path)
{
    KFile file(path.c_str());
    file.Open(KFile::kModeReadWrite, true);
    file.Close();
}

// Overlay number -> name.
std::map<int32_t, std::wstring> Numbers(const KSparseArray &overlays)
{
    std::map<int32_t, std::wstring> numbers;
    for (KListItem *item = overlays.First(); item; item = overlays.Next(item)) {
        auto *overlay = static_cast<VOverlay *>(item);
        KString name;
        overlay->Name(name);
        numbers[overlay->Id()] = name.CStr();
    }
    return numbers;
}

KString FolderOf(const KTestApplication &app)
{
    KString folder(app.Folder().c_str());
    folder.AppendChar(L'\\');
    return folder;
}
} // namespace

TEST(VOverlay, DigitsNumberOverlaysAndLettersOrRepeatsTakeNumbersFromTen)
{
    KTestApplication app;
    for (const wchar_t *name : {L"a.tg1", L"b.tg1", L"c.tga", L"d.tgs"})
        Touch(app.PathOf(name));
    KSparseArray overlays;
    VOverlay::Discover(overlays, FolderOf(app));
    const auto numbers = Numbers(overlays);
    ASSERT_EQ(numbers.size(), 3u);
    ASSERT_EQ(numbers.count(1), 1u);
    ASSERT_EQ(numbers.count(10), 1u);
    ASSERT_EQ(numbers.count(11), 1u);
    EXPECT_TRUE(numbers.at(1) == L"a" || numbers.at(1) == L"b");
    for (const auto &entry : numbers)
        EXPECT_NE(entry.second, L"d");

    KTestApplication other;
    Touch(other.PathOf(L"x.tg3"));
    Touch(other.PathOf(L"y.TGA"));
    KSparseArray more;
    VOverlay::Discover(more, FolderOf(other));
    EXPECT_EQ(Numbers(more), (std::map<int32_t, std::wstring>{{3, L"x"}, {10, L"y"}}));
}

TEST(VOverlay, TheProgramFolderIsSearchedUnlessOverlaysAreSwitchedOff)
{
    KTestApplication app;
    Touch(app.PathOf(L"finish.tg2"));
    VOverlay::Startup();
    VOverlay::DiscoverProgramOverlays(VOverlay::Table());
    EXPECT_EQ(Numbers(VOverlay::Table()), (std::map<int32_t, std::wstring>{{2, L"finish"}}));
    VOverlay::Shutdown();
    EXPECT_EQ(VOverlay::Table().Count(), 0);

    app.AddArgument(L"-nooverlay");
    KSparseArray none;
    VOverlay::DiscoverProgramOverlays(none);
    EXPECT_EQ(none.Count(), 0);
}

TEST(VOverlay, ThePictureIsReadAtTheFirstLockAndAMissingFileGivesNone)
{
    KTestApplication app;
    {
        KBitmap picture(3, 2, KBitmap::kFormat24Bit);
        ASSERT_TRUE(picture.Allocate());
        picture.SetPixel(0, 0, 0xFF0000FF);
        KFile file(app.PathOf(L"lane.tg4").c_str());
        file.Open(KFile::kModeReadWrite, true);
        picture.Export(file);
        file.Close();
    }
    VOverlay::Startup();
    VOverlay overlay(KFile(app.PathOf(L"lane.tg4").c_str()));
    ASSERT_NE(overlay.Lock(), nullptr);
    EXPECT_EQ(overlay.Picture().Width(), 3);
    EXPECT_EQ(overlay.Picture().Height(), 2);
    EXPECT_EQ(overlay.Picture().BytesPerPixel(), 4);
    overlay.Unlock();
    // Loaded once: the file is no longer needed.
    KFile(app.PathOf(L"lane.tg4").c_str()).Delete();
    EXPECT_NE(overlay.Lock(), nullptr);
    overlay.Unlock();

    VOverlay missing(KFile(app.PathOf(L"gone.tg5").c_str()));
    EXPECT_EQ(missing.Lock(), nullptr);
    VOverlay::Shutdown();
    // Without the shared file (before start-up) a lock still works.
    EXPECT_EQ(missing.Lock(), nullptr);
}
