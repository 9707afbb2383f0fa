#include "foundation/strings/KString.h"
#include "foundation/strings/KText.h"
#include "foundation/values/KPoint.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

TEST(KStringStorage, FixedStringCutsTextAtItsCapacity)
{
    KString15 s(L"abcdefghijklmnopqrst"); // 20 characters
    EXPECT_EQ(s.Length(), 15);
    EXPECT_STREQ(s.CStr(), L"abcdefghijklmno");
    s.Append(L"more").AppendChar(L'x').AppendInt(-123456).AppendAnsi("ansi");
    EXPECT_EQ(s.Length(), 15);
    EXPECT_STREQ(s.CStr(), L"abcdefghijklmno");
}

TEST(KStringStorage, FixedStringNeverWritesPastItsBuffer)
{
    struct Guarded {
        KString31 text;
        wchar_t guard[4] = {0x5A5A, 0x5A5A, 0x5A5A, 0x5A5A};
    } g;
    std::wstring longText(600, L'q');
    g.text = longText.c_str();
    g.text.Append(longText.c_str());
    g.text.AppendIntFormat(7, L"%0200d");
    g.text.AppendAnsi(std::string(300, 'z').c_str());
    EXPECT_EQ(g.text.Length(), 31);
    for (wchar_t w : g.guard)
        EXPECT_EQ(w, 0x5A5A);
}

TEST(KStringStorage, BorrowedBufferKeepsItsTextAndCapacity)
{
    wchar_t buffer[6] = L"ab";
    KString s(buffer, 5);
    EXPECT_STREQ(s.CStr(), L"ab");
    s.Append(L"cdefgh");
    EXPECT_STREQ(buffer, L"abcde");
    EXPECT_EQ(s.Capacity(), 5);
}

TEST(KStringStorage, CopiesOwnTheirCharacters)
{
    KString255 a(L"first");
    KString255 b(a);
    KString c(a);
    a = L"changed";
    EXPECT_STREQ(b.CStr(), L"first");
    EXPECT_STREQ(c.CStr(), L"first");
    KString15 small;
    small = KString(L"0123456789abcdefXYZ");
    EXPECT_STREQ(small.CStr(), L"0123456789abcde");
}

TEST(KStringStorage, AppendingItsOwnTextDoublesIt)
{
    KString s(L"abc");
    s.Append(s);
    EXPECT_STREQ(s.CStr(), L"abcabc");
    s = s.CStr() + 3;
    EXPECT_STREQ(s.CStr(), L"abc");
}

TEST(KStringAppend, IntegersInDecimalIncludingTheExtremes)
{
    KString s;
    s.AppendInt(0).AppendChar(L' ').AppendInt(-42).AppendChar(L' ').AppendInt(INT32_MIN).AppendChar(L' ')
        .AppendInt(INT32_MAX);
    EXPECT_STREQ(s.CStr(), L"0 -42 -2147483648 2147483647");
}

TEST(KStringAppend, IntFormatFollowsPrintfAndRefusesFormatsThatWantOtherArguments)
{
    KString s(L"x");
    EXPECT_TRUE(s.AppendIntFormat(255, L"[%04X]%%"));
    for (const wchar_t *format : {L"%s", L"%d %d", L"%*d", L"%p", L"%"})
        EXPECT_FALSE(s.AppendIntFormat(1, format)) << format;
    EXPECT_STREQ(s.CStr(), L"x[00FF]%");
}

TEST(KStringEdit, TrimRemovesSurroundingWhiteSpaceOnly)
{
    KString s(L" \t a b \r\n\x3000");
    s.Trim();
    EXPECT_STREQ(s.CStr(), L"a b");
    KString blank(L"   ");
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(KStringEdit, ExpandNewlinesTurnsBackslashNIntoCrLf)
{
    KString s(L"one\\ntwo\\\\x\\n");
    s.ExpandNewlines();
    EXPECT_STREQ(s.CStr(), L"one\r\ntwo\\\\x\r\n");
}

TEST(KStringEdit, FindAndExtractClipToTheText)
{
    KString s(L"key=value");
    EXPECT_EQ(s.Find(L'='), 3);
    EXPECT_EQ(s.Find(L'e', 2), 8);
    EXPECT_EQ(s.Find(L'#'), -1);
    KString part;
    s.Extract(part, 4, 100);
    EXPECT_STREQ(part.CStr(), L"value");
    s.Extract(part, 50, 2);
    EXPECT_TRUE(part.IsEmpty());
}

TEST(KStringFields, FieldsSplitAtTheDelimiter)
{
    KString s(L"a,,c");
    KString f;
    const wchar_t *expected[] = {L"a", L"", L"c"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(s.GetField(f, i));
        EXPECT_STREQ(f.CStr(), expected[i]);
    }
    EXPECT_FALSE(s.GetField(f, 3));
    EXPECT_FALSE(s.GetField(f, -1));
}

TEST(KStringFields, QuoteCharacterKeepsAQuotedDelimiter)
{
    KString s(L"a,\"b,c\",d");
    KString f;
    EXPECT_TRUE(s.GetField(f, 1, L',', L'"'));
    EXPECT_STREQ(f.CStr(), L"b,c");
    EXPECT_TRUE(s.GetField(f, 2, L',', L'"'));
    EXPECT_STREQ(f.CStr(), L"d");
    // Without the quote character the comma splits.
    EXPECT_TRUE(s.GetField(f, 1));
    EXPECT_STREQ(f.CStr(), L"\"b");
}

TEST(KStringCompare, EqualsIgnoreCaseOverNCharacters)
{
    KString option(L"-devel");
    EXPECT_TRUE(KString(L"-DEVEL").EqualsIgnoreCase(option));
    EXPECT_FALSE(KString(L"-develop").EqualsIgnoreCase(option));
    EXPECT_TRUE(KString(L"-develop").EqualsIgnoreCase(option, option.Length()));
    EXPECT_FALSE(KString(L"-dev").EqualsIgnoreCase(option, option.Length()));
    EXPECT_TRUE(KString(L"\x00C4rger").EqualsIgnoreCase(KString(L"\x00E4RGER")));
}

TEST(KStringParse, ParseIntAdvancesTheCursor)
{
    KString s(L"  -12 0x1F 017 +9 z");
    int32_t v = 0;
    for (int32_t expected : {-12, 31, 15, 9}) {
        ASSERT_TRUE(s.ParseInt(v));
        EXPECT_EQ(v, expected);
    }
    int cursor = s.Cursor();
    EXPECT_FALSE(s.ParseInt(v));
    EXPECT_EQ(v, 9);
    EXPECT_EQ(s.Cursor(), cursor);
}

TEST(KStringParse, ParseIntWithFixedRadixAndClamping)
{
    int32_t v = 0;
    EXPECT_TRUE(KString::ParseInt(KString(L"ff"), v, 16));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(KString::ParseInt(KString(L"99999999999"), v));
    EXPECT_EQ(v, INT32_MAX);
    EXPECT_TRUE(KString::ParseInt(KString(L"-99999999999"), v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(KString::ParseInt(KString(L"-"), v));
    EXPECT_FALSE(KString::ParseInt(KString(L""), v));
}

TEST(KStringParse, ParseIntFieldTakesTheNthCommaField)
{
    int32_t v = -1;
    EXPECT_TRUE(KString::ParseIntField(KString(L"0x10,7"), v, 0));
    EXPECT_EQ(v, 16);
    EXPECT_TRUE(KString::ParseIntField(KString(L"0x10, 7"), v, 1));
    EXPECT_EQ(v, 7);
    EXPECT_FALSE(KString::ParseIntField(KString(L"0x10,7"), v, 2));
    EXPECT_EQ(v, 0);
    v = 5;
    EXPECT_FALSE(KString::ParseIntField(KString(L"1,N,2"), v, 1));
    EXPECT_EQ(v, 0);
}

TEST(KText, AnsiConversionRoundTripsAndCutsAtTheBuffer)
{
    wchar_t wide[8];
    int n = KTextAnsiToWide("hello", -1, wide, 8);
    ASSERT_EQ(n, 5);
    char narrow[4];
    EXPECT_EQ(KTextWideToAnsi(wide, n, narrow, 4), 4);
    EXPECT_EQ(std::string(narrow, 4), "hell");
    EXPECT_EQ(KTextAnsiToWide("abcdef", -1, wide, 3), 3);
    if (GetACP() == 1252) {
        // The Western code page holds e acute at 0xE9.
        ASSERT_EQ(KTextAnsiToWide("\xE9", 1, wide, 8), 1);
        EXPECT_EQ(wide[0], 0x00E9);
        EXPECT_EQ(KTextWideToAnsi(L"\x00E9\x4E00", 2, narrow, 4), 2);
        EXPECT_EQ(std::string(narrow, 2), "\xE9?");
    }
}

TEST(KText, CharactersWithoutAnEightBitFormBecomeTheDefaultCharacterNotALookAlike)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the system code page is not 1252";
    char narrow[4] = {};
    // U+FF52 (fullwidth r) has no form in code page 1252.
    ASSERT_EQ(KTextWideToAnsi(L"\xFF52", 1, narrow, 4), 1);
    EXPECT_EQ(narrow[0], '?');
}
