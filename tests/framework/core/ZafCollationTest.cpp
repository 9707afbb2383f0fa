#include "framework/core/text/ZafStrings.h"

#include <gtest/gtest.h>

TEST(ZafCollation, LettersSortByBaseThenAccentThenCaseWithExpansionsAsTwoLetters)
{
    // Each pair sorts first before second.
    const wchar_t *ordered[][2] = {
        { L"e", L"\u00e9" }, { L"\u00e9", L"f" }, { L"cote", L"c\u00f4te" },   // accent between base and next
        { L"a", L"A" }, { L"A", L"b" },                                      // capitals after small letters
        { L"ad", L"\u00e6" }, { L"\u00e6", L"af" }, { L"ss", L"\u00df" },      // expanded letters
    };
    for (const auto &pair : ordered)
        EXPECT_LT(ZafStrColl(pair[0], pair[1]), 0) << static_cast<int>(pair[1][0]);
    EXPECT_EQ(ZafStrColl(L"", L""), 0);
}

TEST(ZafCollation, PunctuationMattersLast)
{
    EXPECT_GT(ZafStrColl(L"co-op", L"coop"), 0);
    EXPECT_LT(ZafStrColl(L"co-op", L"cop"), 0);
    wchar_t a[32], b[32];
    int lengthA = ZafStrXfrm(a, L"coop", 32);
    int lengthB = ZafStrXfrm(b, L"co-op", 32);
    EXPECT_EQ(lengthB, lengthA + 2);
    EXPECT_EQ(ZafStrNCmp(a, b, lengthA), 0);
}

TEST(ZafCollation, KeyIsWrittenOnlyWhenItFitsAndEmptyTextHasAnEmptyKey)
{
    wchar_t key[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(ZafStrXfrm(key, L"ab", 4), 6);
    EXPECT_EQ(key[0], L'x');
    EXPECT_EQ(ZafStrXfrm(key, L"", 4), 0);
    EXPECT_EQ(key[0], 0);
}
