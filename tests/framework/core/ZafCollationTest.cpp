#include "framework/core/ZafStrings.h"

#include <gtest/gtest.h>

TEST(ZafCollation, AccentedLetterSortsBetweenItsBaseAndTheNextLetter)
{
    EXPECT_LT(ZafStrColl(L"e", L"\u00e9"), 0);
    EXPECT_LT(ZafStrColl(L"\u00e9", L"f"), 0);
    EXPECT_LT(ZafStrColl(L"cote", L"c\u00f4te"), 0);
}

TEST(ZafCollation, CapitalsFollowSmallLettersButPrecedeTheNextLetter)
{
    EXPECT_LT(ZafStrColl(L"a", L"A"), 0);
    EXPECT_LT(ZafStrColl(L"A", L"b"), 0);
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

TEST(ZafCollation, EmptyStringsHaveAnEmptyKeyAndCompareEqual)
{
    wchar_t key[4] = {L'x', 0};
    EXPECT_EQ(ZafStrXfrm(key, L"", 4), 0);
    EXPECT_EQ(key[0], 0);
    EXPECT_EQ(ZafStrColl(L"", L""), 0);
}

TEST(ZafCollation, KeyIsWrittenOnlyWhenItFits)
{
    wchar_t key[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(ZafStrXfrm(key, L"ab", 4), 6);
    EXPECT_EQ(key[0], L'x');
}

TEST(ZafCollation, ExpandedLettersSortLikeTheirTwoLetters)
{
    EXPECT_LT(ZafStrColl(L"ad", L"\u00e6"), 0);    // a-e expands to a, e
    EXPECT_LT(ZafStrColl(L"\u00e6", L"af"), 0);
    EXPECT_LT(ZafStrColl(L"ss", L"\u00df"), 0);
}
