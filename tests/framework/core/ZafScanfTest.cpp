#include "framework/core/text/ZafPrintf.h"

#include <gtest/gtest.h>

#include <string>

TEST(ZafScanf, BlankInTheFormatSkipsWhiteSpace)
{
    int i = 0;
    EXPECT_EQ(ZafSScanf(L"  17 x", L" %d", &i), 1);
    EXPECT_EQ(i, 17);
}

TEST(ZafScanf, NumbersOfEveryKind)
{
    int a = 0, b = 0, c = 0;
    short h = 0;
    double d = 0;
    float f = 0;
    EXPECT_EQ(ZafSScanf(L"-12 ff 0x10 017", L"%d %x %i %ho", &a, &b, &c, &h), 4);
    EXPECT_EQ(a, -12);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(c, 16);
    EXPECT_EQ(h, 15);
    EXPECT_EQ(ZafSScanf(L"2.5e3,0.25", L"%lf,%f", &d, &f), 2);
    EXPECT_DOUBLE_EQ(d, 2500.0);
    EXPECT_FLOAT_EQ(f, 0.25f);
    EXPECT_EQ(ZafSScanf(L"12345", L"%2d%d", &a, &b), 2);   // a width limits a conversion
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 345);
}

TEST(ZafScanf, StopsAtTheFirstMismatchAndCountsOnlyAssignments)
{
    int a = 0, b = 0;
    EXPECT_EQ(ZafSScanf(L"1-x", L"%d-%d", &a, &b), 1);
    EXPECT_EQ(ZafSScanf(L"5 6", L"%*d %d", &a), 1);
    EXPECT_EQ(a, 6);
    EXPECT_EQ(ZafSScanf(L"", L"%d", &a), 0);
    EXPECT_EQ(ZafSScanf(L"50%", L"%d%%", &a), 1);
}

TEST(ZafScanf, GroupingFlagAcceptsThousandsSeparators)
{
    int a = 0;
    EXPECT_EQ(ZafSScanf(L"1,234,567", L"%,d", &a), 1);
    EXPECT_EQ(a, 1234567);
    EXPECT_EQ(ZafSScanf(L"1,234", L"%d", &a), 1);
    EXPECT_EQ(a, 1);
    double d = 0;
    EXPECT_EQ(ZafSScanf(L"12,345.5,7", L"%,lf,%d", &d, &a), 2); // no separator after the point
    EXPECT_DOUBLE_EQ(d, 12345.5);
    EXPECT_EQ(a, 7);
}

TEST(ZafScanf, StringConversionsStopAtWhiteSpaceAndWidth)
{
    wchar_t word[16], three[8];
    const wchar_t text[] = {L'a', L'b', 0x3000, L'c', 0};
    EXPECT_EQ(ZafSScanf(text, L"%s", word), 1);
    EXPECT_EQ(std::wstring(word), L"ab");
    EXPECT_EQ(ZafSScanf(L"a b", L"%3c", three), 1);
    EXPECT_EQ(std::wstring(three), L"a b");
    wchar_t one[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(ZafSScanf(L" q", L"%c", one), 1);
    EXPECT_EQ(one[0], L' ');
    EXPECT_EQ(one[1], 0);
}

TEST(ZafScanf, ScanSets)
{
    wchar_t out[16];
    auto scan = [&](const wchar_t *text, const wchar_t *format) {
        out[0] = 0;
        int n = ZafSScanf(text, format, out);
        return n ? std::wstring(out) : std::wstring(L"<none>");
    };
    EXPECT_EQ(scan(L"abcd", L"%[a-c]"), L"abc");
    EXPECT_EQ(scan(L"x,y", L"%[^,]"), L"x");
    EXPECT_EQ(scan(L"]a]b", L"%[]a]"), L"]a]");
    EXPECT_EQ(scan(L"a-ab", L"%[a-]"), L"a-a");
    EXPECT_EQ(scan(L"z-ab", L"%[z-a]"), L"z-a");
    EXPECT_EQ(scan(L"dcba", L"%[a-c]"), L"<none>");
    // A set that matches nothing stops the whole scan.
    wchar_t b[8];
    int n = 0;
    EXPECT_EQ(ZafSScanf(L"xyz 5", L"%[a-c]%s%d", out, b, &n), 0);
    EXPECT_EQ(n, 0);
}

TEST(ZafScanf, CountConversionReportsCharactersConsumed)
{
    int a = 0, n = 0;
    EXPECT_EQ(ZafSScanf(L"  42rest", L"%d%n", &a, &n), 1);
    EXPECT_EQ(n, 4);
}
