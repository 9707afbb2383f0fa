#include "framework/core/text/ZafCodeSetData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ZafCodeSetData, WideToLocalUnderCodePage1252)
{
    ZafCodeSetData codeSet(1252);
    char *local = codeSet.WideToLocal(L"\x00E9");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(static_cast<unsigned char>(local[0]), 0xE9);
    EXPECT_EQ(local[1], '\0');
    // The euro sign sits at 0x80 in this code page.
    EXPECT_STREQ(codeSet.WideToLocal(L"\x20AC 5"), "\x80 5");
}

TEST(ZafCodeSetData, LocalToWideAndBack)
{
    ZafCodeSetData codeSet(1252);
    ZafIChar *wide = codeSet.LocalToWide("Gr\xFC\xDF" "e");
    EXPECT_STREQ(wide, L"Gr\x00FC\x00DF" L"e");
    EXPECT_EQ(codeSet.LocalToWide(nullptr), nullptr);
    EXPECT_EQ(codeSet.WideToLocal(nullptr), nullptr);
    ZafIChar wideChar = 1;
    EXPECT_EQ(codeSet.LocalCharToWide('\xE9', wideChar), 1);
    EXPECT_EQ(wideChar, 0x00E9);
    EXPECT_EQ(codeSet.LocalCharToWide('\0', wideChar), 0);
    EXPECT_EQ(wideChar, 0);
}

TEST(ZafCodeSetData, CallerBufferAllocationAndSharedBuffer)
{
    ZafCodeSetData codeSet(1252);
    char buffer[16];
    EXPECT_EQ(codeSet.WideToLocal(L"abc", buffer, false, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "abc");

    char *allocated = codeSet.WideToLocal(L"xyz", nullptr, true);
    EXPECT_STREQ(allocated, "xyz");
    delete[] allocated;

    ZafIChar small[3] = { L'x', L'x', L'x' };
    EXPECT_EQ(codeSet.LocalToWide("abcdef", small, false, 3), small);
    EXPECT_STREQ(small, L"ab");
    small[0] = L'x';
    codeSet.LocalToWide("abc", small, false, 0);
    EXPECT_EQ(small[0], L'x');

    char *shared = codeSet.WideToLocal(L"one");
    char *again = codeSet.WideToLocal(L"two");
    EXPECT_EQ(shared, again);
    EXPECT_STREQ(again, "two");

    ZafIChar *copy = codeSet.MapWideOut(L"same", nullptr, true);
    EXPECT_STREQ(copy, L"same");
    delete[] copy;
}

TEST(ZafCodeSetData, TextsLongerThanTheBufferAreCutNotOverrun)
{
    ZafCodeSetData codeSet(1252);
    char small[6];
    std::memset(small, 'X', sizeof small);
    codeSet.WideToLocal(L"abcdefghij", small, false, 4);
    EXPECT_STREQ(small, "abc");
    EXPECT_EQ(small[4], 'X');
    EXPECT_EQ(small[5], 'X');

    std::wstring longText(1000, L'w');
    char *shared = codeSet.WideToLocal(longText.c_str());
    EXPECT_EQ(std::strlen(shared), size_t(ZafCodeSetData::LOCAL_BUFFER_SIZE - 1));

    std::string longLocal(2000, 'l');
    ZafIChar *wide = codeSet.LocalToWide(longLocal.c_str());
    EXPECT_EQ(std::wcslen(wide), size_t(ZafCodeSetData::WIDE_BUFFER_SIZE - 1));

    ZafIChar wideSmall[4];
    codeSet.MapWideIn(L"\xD83D\xDE00\xD83D\xDE00", wideSmall, false, 4);
    EXPECT_STREQ(wideSmall, L"\xD83D\xDE00");   // the second pair does not fit whole
}

TEST(ZafCodeSetData, DoubleByteTextIsCutAtACharacterBoundary)
{
    ZafCodeSetData codeSet(932);   // Japanese: two bytes per kana
    char buffer[4];
    codeSet.WideToLocal(L"\x3042\x3044\x3046", buffer, false, sizeof buffer);
    EXPECT_EQ(std::strlen(buffer), 2u);
    ZafIChar back[4];
    codeSet.LocalToWide(buffer, back, false, 4);
    EXPECT_STREQ(back, L"\x3042");
}

namespace {

struct WatchedCodeSet : ZafCodeSetData
{
    explicit WatchedCodeSet(bool &gone) : gone(gone) { }
    ~WatchedCodeSet() override { gone = true; }
    bool &gone;
};

} // namespace

TEST(ZafCodeSetData, SharingAgainKeepsTheCodeSetAndAnotherReplacesAndDeletesIt)
{
    bool firstGone = false, secondGone = false;
    WatchedCodeSet *first = new WatchedCodeSet(firstGone);
    ZafCodeSetData::SetShared(first);
    ZafCodeSetData::SetShared(first);
    EXPECT_FALSE(firstGone);
    EXPECT_EQ(ZafCodeSetData::Shared(), first);
    ZafCodeSetData::SetShared(new WatchedCodeSet(secondGone));
    EXPECT_TRUE(firstGone);
    ZafCodeSetData::SetShared(nullptr);
    EXPECT_TRUE(secondGone);
}
