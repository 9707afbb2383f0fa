#include "framework/core/text/ZafStrings.h"

#include <gtest/gtest.h>

#include <string>

TEST(ZafStrings, NCpyPadsWithZerosButLeavesAFullCopyUnterminated)
{
    wchar_t d[6] = {L'x', L'x', L'x', L'x', L'x', L'x'};
    ZafStrNCpy(d, L"ab", 4);
    EXPECT_EQ(std::wstring(d, 6), std::wstring(L"ab\0\0xx", 6));
    wchar_t e[4] = {L'x', L'x', L'x', L'x'};
    ZafStrNCpy(e, L"abc", 2);
    EXPECT_EQ(e[1], L'b');
    EXPECT_EQ(e[2], L'x');
}

TEST(ZafStrings, BoundedCopyAndCatNeverPassTheirLimit)
{
    wchar_t guard[12];
    for (wchar_t &c : guard)
        c = 0x7777;
    ZafStrLCpy(guard + 1, L"longer than five", 5);
    EXPECT_EQ(std::wstring(guard + 1), L"long");
    EXPECT_EQ(guard[6], 0x7777);
    wchar_t cat[8] = L"ab";
    ZafStrNCat(cat, L"cdefgh", 3);
    EXPECT_EQ(std::wstring(cat), L"abcde");
}

TEST(ZafStrings, CmpIsSignedWhileNCmpIsUnsigned)
{
    const wchar_t high[] = {0x8000, 0};
    EXPECT_LT(ZafStrCmp(high, L"A"), 0);
    EXPECT_GT(ZafStrNCmp(high, L"A", 1), 0);
    EXPECT_EQ(ZafStrNCmp(L"abcx", L"abcy", 3), 0);
    EXPECT_LT(ZafStrCmp(L"ab", L"abc"), 0);
}

TEST(ZafStrings, SafeCmpAcceptsNullOnEitherSide)
{
    EXPECT_EQ(ZafStrSafeCmp(static_cast<const wchar_t *>(nullptr), static_cast<const wchar_t *>(nullptr)), 0);
    EXPECT_LT(ZafStrSafeCmp(nullptr, L"a"), 0);
    EXPECT_GT(ZafStrSafeCmp(L"a", static_cast<const wchar_t *>(nullptr)), 0);
    EXPECT_EQ(ZafStrSafeCmp("abc", "abc"), 0);
    EXPECT_EQ(ZafStrSafeCmp(L"abc", "abc"), 0);
    EXPECT_GT(ZafStrSafeCmp(L"abd", "abc"), 0);
}

TEST(ZafStrings, SearchesFindFirstLastAndSpans)
{
    const wchar_t *s = L"abcabd";
    EXPECT_EQ(ZafStrStr(s, L"abd"), s + 3);
    EXPECT_EQ(ZafStrStr(s, L"abe"), nullptr);
    EXPECT_EQ(ZafStrChr(s, L'b'), s + 1);
    EXPECT_EQ(ZafStrRChr(s, L'b'), s + 4);
    EXPECT_EQ(ZafStrChr(s, 0), s + 6);
    EXPECT_EQ(ZafStrCSpn(s, L"dc"), 2);
    EXPECT_EQ(ZafStrRCSpn(s, L"ac"), 2);
    EXPECT_EQ(ZafStrPBrk(s, L"dc"), s + 2);
    EXPECT_EQ(ZafStrPBrk(s, L"z"), nullptr);
}

TEST(ZafStrings, TokeniserSkipsDelimitersAndEndsWithNull)
{
    wchar_t text[] = L",a,,b,";
    EXPECT_EQ(std::wstring(ZafStrTok(text, L",")), L"a");
    EXPECT_EQ(std::wstring(ZafStrTok(nullptr, L",")), L"b");
    EXPECT_EQ(ZafStrTok(nullptr, L","), nullptr);
    wchar_t trailing[] = L"a,,";
    EXPECT_EQ(std::wstring(ZafStrTok(trailing, L",")), L"a");
    EXPECT_EQ(std::wstring(ZafStrTok(nullptr, L",")), L"");
    EXPECT_EQ(ZafStrTok(nullptr, L","), nullptr);
}

TEST(ZafStrings, ReplaceAndStripWorkInPlaceAndAcceptNull)
{
    wchar_t text[] = L"a-b-c";
    EXPECT_EQ(std::wstring(ZafStrReplaceChar(text, L'-', L'+')), L"a+b+c");
    EXPECT_EQ(std::wstring(ZafStrStripChar(text, L'+')), L"abc");
    EXPECT_EQ(ZafStrReplaceChar(nullptr, L'a', L'b'), nullptr);
    EXPECT_EQ(ZafStrStripChar(nullptr, L'a'), nullptr);
}

TEST(ZafStrings, LineEndsConvertBothWaysInPlaceAndIntoADestination)
{
    wchar_t text[16] = {L'\r', L'x', L'\r', L'\n', 0};
    ZafStrReturnToPair(nullptr, text);
    EXPECT_EQ(std::wstring(text), L"\r\nx\r\n");
    ZafStrPairToNewline(nullptr, text);
    EXPECT_EQ(std::wstring(text), L"\nx\n");
    wchar_t pairs[16];
    ZafStrNewlineToPair(pairs, text);
    EXPECT_EQ(std::wstring(pairs), L"\r\nx\r\n");
    EXPECT_EQ(std::wstring(ZafStrPairToReturn(nullptr, pairs)), L"\rx\r");
    char narrow[16] = "a\nb\r\n";
    ZafStrNewlineToPair(nullptr, narrow);
    EXPECT_STREQ(narrow, "a\r\nb\r\n");
    EXPECT_EQ(ZafStrPairToReturn(static_cast<wchar_t *>(nullptr), static_cast<const wchar_t *>(nullptr)), nullptr);
}

TEST(ZafStrings, IToAWritesSignOnlyInDecimalAndPadsToTheMinimum)
{
    wchar_t buffer[40];
    EXPECT_EQ(std::wstring(ZafIToA(-42, buffer, 10, 0)), L"-42");
    EXPECT_EQ(std::wstring(ZafIToA(255, buffer, 16, 0)), L"ff");
    EXPECT_EQ(std::wstring(ZafIToA(0, buffer, 10, 0)), L"0");
    EXPECT_EQ(std::wstring(ZafIToA(5, buffer, 10, 3)), L"005");
    EXPECT_EQ(std::wstring(ZafIToA(-1, buffer, 16, 0)), L"ffffffff");
    EXPECT_EQ(std::wstring(ZafIToA(-2147483647L - 1, buffer, 10, 0)), L"-2147483648");
}

TEST(ZafStrings, AToIFollowsTheCLibraryRules)
{
    EXPECT_EQ(ZafAToI(L"  -17x"), -17);
    EXPECT_EQ(ZafAToI(L"+3"), 3);
    EXPECT_EQ(ZafAToI(L"x3"), 0);
    EXPECT_EQ(ZafAToI(nullptr), 0);
}

TEST(ZafStrings, WildcardMatchesStarsAndQuestionMarks)
{
    EXPECT_EQ(ZafWildcardMatch(L"report.txt", L"*.txt"), 0);
    EXPECT_EQ(ZafWildcardMatch(L"a", L"?"), 0);
    EXPECT_NE(ZafWildcardMatch(L"ab", L"a"), 0);
    EXPECT_EQ(ZafWildcardMatch(L"abcbc", L"a*bc"), 0);
    EXPECT_EQ(ZafWildcardMatch(L"", L"**"), 0);
    EXPECT_NE(ZafWildcardMatch(L"report.doc", L"*.txt"), 0);
    EXPECT_EQ(ZafWildcardMatch(L"a.b.c", L"*.?"), 0);
}

TEST(ZafStrings, CaseInsensitiveFunctionsFoldUnicodeCapitals)
{
    EXPECT_EQ(ZafStrICmp(L"CAF\u00c9", L"caf\u00e9"), 0);
    EXPECT_LT(ZafStrICmp(L"abc", L"ABD"), 0);
    EXPECT_EQ(ZafStrNICmp(L"HELLO world", L"hello WORLD!", 11), 0);
    wchar_t text[] = L"Mixed \u00c9t\u00e9";
    EXPECT_EQ(std::wstring(ZafStrUpr(text)), L"MIXED \u00c9T\u00c9");
    EXPECT_EQ(std::wstring(ZafStrLwr(text)), L"mixed \u00e9t\u00e9");
}

TEST(ZafStrings, FileWrappersWorkOnWidePaths)
{
    wchar_t start[260];
    ASSERT_NE(ZafGetCwd(start, 260), nullptr);
    wchar_t tiny[2];
    EXPECT_EQ(ZafGetCwd(tiny, 2), nullptr);
    wchar_t scratch[300];
    ZafStrCpy(scratch, start);
    ZafStrCat(scratch, L"\\zaf_scratch_\u00e9.txt");
    FILE *file = _wfopen(scratch, L"w");
    ASSERT_NE(file, nullptr);
    fclose(file);
    wchar_t renamed[300];
    ZafStrCpy(renamed, start);
    ZafStrCat(renamed, L"\\zaf_scratch_renamed.txt");
    EXPECT_EQ(ZafRename(scratch, renamed), 0);
    EXPECT_EQ(ZafUnlink(renamed), 0);
    EXPECT_NE(ZafRemove(renamed), 0);
    EXPECT_NE(ZafChDir(L"no such folder here"), 0);
    EXPECT_EQ(ZafChDir(start), 0);
}
