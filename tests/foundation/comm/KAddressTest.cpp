#include "foundation/comm/KAddress.h"
#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

TEST(KAddress, DottedDecimalTextGivesHostOrderAddress)
{
    uint32_t address = 1;
    EXPECT_TRUE(KParseAddress(KString(L"192.168.1.20"), address));
    EXPECT_EQ(address, 0xC0A80114u);
    EXPECT_TRUE(KParseAddress(KString(L"  127.0.0.1 "), address));
    EXPECT_EQ(address, 0x7F000001u);
    EXPECT_TRUE(KParseAddress(KString(L"0.0.0.0"), address));
    EXPECT_EQ(address, 0u);
    EXPECT_TRUE(KParseAddress(KString(L"255.255.255.255"), address));
    EXPECT_EQ(address, 0xFFFFFFFFu);
}

TEST(KAddress, TextThatIsNoAddressIsRefusedAndNeverBecomesBroadcast)
{
    const wchar_t *bad[] = {L"", L"   ", L"host.example", L"1.2.3", L"1.2.3.4.5", L"256.1.1.1",
                            L"1.2.3.4x", L"-1.2.3.4", L"1..2.3", L"0x7f.0.0.1", L"0001.2.3.4",
                            L"1.2.3.4                                   9"};
    for (const wchar_t *text : bad) {
        uint32_t address = 12345;
        EXPECT_FALSE(KParseAddress(KString(text), address)) << text;
        EXPECT_EQ(address, 0u) << text;
    }
}

TEST(KAddress, FormatAppendsDottedDecimalAndRoundTrips)
{
    KString out(L"at ");
    EXPECT_TRUE(KFormatAddress(out, 0xC0A80114u));
    EXPECT_STREQ(out.CStr(), L"at 192.168.1.20");

    const uint32_t samples[] = {0u, 0xFFFFFFFFu, 0x7F000001u, 0x0A000102u};
    for (uint32_t sample : samples) {
        KString text;
        KFormatAddress(text, sample);
        uint32_t back = ~sample;
        EXPECT_TRUE(KParseAddress(text, back)) << text.CStr();
        EXPECT_EQ(back, sample);
    }
}
