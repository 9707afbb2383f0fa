#include "framework/core/text/ZafPrintf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Format(const wchar_t *format, ...)
{
    wchar_t buffer[256];
    va_list args;
    va_start(args, format);
    ZafVSNPrintf(buffer, 256, format, args);
    va_end(args);
    return buffer;
}

} // namespace

TEST(ZafPrintf, WidthPrecisionAndJustification)
{
    wchar_t buf[64];
    EXPECT_EQ(ZafSPrintf(buf, L"%-5d|%05.1f", 42, 3.14159), 11);
    EXPECT_EQ(std::wstring(buf), L"42   |003.1");
    EXPECT_EQ(Format(L"%5d|%-+4d|% d", -7, 3, 8), L"   -7|+3  | 8");
    EXPECT_EQ(Format(L"%.3d|%*d|%-*d|", 7, 4, 1, 3, 2), L"007|   1|2  |");
    EXPECT_EQ(Format(L"%05d", -42), L"-0042");
}

TEST(ZafPrintf, IntegerConversionsAndSizes)
{
    EXPECT_EQ(Format(L"%u %x %X %o %#x %#o", 4294967295u, 255, 255, 8, 255, 8), L"4294967295 ff FF 10 0xff 010");
    EXPECT_EQ(Format(L"%hd", 65535), L"-1");
    EXPECT_EQ(Format(L"%qd %lld", -5000000000LL, 5000000000LL), L"-5000000000 5000000000");
    EXPECT_EQ(Format(L"%d", -2147483647 - 1), L"-2147483648");
}

TEST(ZafPrintf, RealConversions)
{
    EXPECT_EQ(Format(L"%g %g", 0.5, 1e20), L"0.5 1e+20");
    EXPECT_EQ(Format(L"%.2e", 12345.0), L"1.23e+04");
    EXPECT_EQ(Format(L"%8.3f|", -1.5), L"  -1.500|");
    EXPECT_EQ(Format(L"%+.0f", 2.0), L"+2");
    EXPECT_EQ(Format(L"%Lg", static_cast<long double>(0.25)), L"0.25");
    EXPECT_EQ(Format(L"%05f", 1.0 / 0.0), L"  inf");
}

TEST(ZafPrintf, GroupingFlagInsertsThousandsSeparators)
{
    EXPECT_EQ(Format(L"%,d", 1234567), L"1,234,567");
    EXPECT_EQ(Format(L"%,d", -123), L"-123");
    EXPECT_EQ(Format(L"%,.2f", 1234.5), L"1,234.50");
}

TEST(ZafPrintf, StringAndCharacterConversions)
{
    EXPECT_EQ(Format(L"%5s", L"ab"), L"   ab");
    EXPECT_EQ(Format(L"%-5s|", L"ab"), L"ab   |");
    EXPECT_EQ(Format(L"%.1s", L"ab"), L"a");
    EXPECT_EQ(Format(L"%s", static_cast<const wchar_t *>(nullptr)), L"(null)");
    EXPECT_EQ(Format(L"%05c", L'x'), L"0000x");
    EXPECT_EQ(Format(L"%c%c", L'o', L'k'), L"ok");
}

TEST(ZafPrintf, PercentAndUnclaimedLettersStandForThemselves)
{
    EXPECT_EQ(Format(L"100%%"), L"100%");
    EXPECT_EQ(Format(L"%3%|%-3k|"), L"  %|k  |");
}

TEST(ZafPrintf, CountConversionStoresCharactersSoFar)
{
    int n = -1;
    EXPECT_EQ(Format(L"abc%n%d", &n, 5), L"abc5");
    EXPECT_EQ(n, 3);
}

TEST(ZafPrintf, BoundedFormattingKeepsGuardCharactersIntact)
{
    wchar_t buffer[12];
    for (wchar_t &c : buffer)
        c = 0x7777;
    int written = ZafSNPrintf(buffer + 1, 6, L"%s-%d-%10s", L"long", 12345, L"x");
    EXPECT_EQ(written, 5);
    EXPECT_EQ(std::wstring(buffer + 1), L"long-");
    EXPECT_EQ(buffer[7], 0x7777);
    EXPECT_EQ(buffer[0], 0x7777);
    EXPECT_EQ(ZafSNPrintf(buffer, 0, L"abc"), 0);
    EXPECT_EQ(buffer[0], 0x7777);
}

TEST(ZafPrintf, LengthOfTheWholeResultIsKnownWithoutWriting)
{
    auto length = [](const wchar_t *format, ...) {
        va_list args;
        va_start(args, format);
        int n = ZafVSPrintfLength(format, args);
        va_end(args);
        return n;
    };
    EXPECT_EQ(length(L"%s=%5d", L"key", 3), 9);
}

namespace {

int UpperOutput(va_list *args, ZafFormatOutput *output, wchar_t, int, int, int)
{
    const wchar_t *text = va_arg(*args, const wchar_t *);
    for (; *text; ++text)
        output->Put(wchar_t(*text >= L'a' && *text <= L'z' ? *text - 32 : *text));
    return 0;
}

} // namespace

TEST(ZafPrintf, RegisteredConversionReceivesItsArgument)
{
    ASSERT_EQ(ZafRegisterOutputConversion(L'U', UpperOutput), 0);
    EXPECT_EQ(Format(L"<%U|%d>", L"abc", 7), L"<ABC|7>");
}
