#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/comm/KUDPSocket.h"
#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

namespace {
std::wstring Serial(int32_t port, int32_t baud, int32_t bits, int32_t parity, int32_t stop, int32_t repeat)
{
    KString out;
    EXPECT_TRUE(KSerialPort::MakeDescription(out, port, baud, bits, parity, stop, repeat));
    return out.CStr();
}

// The field parsers in the order of the fields they read.
bool (*const kParsers[])(const KString &, int32_t &, int) = {
    KSerialPort::ParsePort,   KSerialPort::ParseBaud,     KSerialPort::ParseDataBits,
    KSerialPort::ParseParity, KSerialPort::ParseStopBits, KSerialPort::ParseRepeatPeriod,
};
} // namespace

TEST(KSerialPortDescription, MakeDescriptionWritesTheFiveFieldsAndARepeatOnlyWhenSet)
{
    EXPECT_EQ(Serial(3, 19200, 0, 0, 0, 0), L"3,19200,8,N,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, 0, 0, -5000), L"3,19200,8,N,1.0,-5000");
    EXPECT_EQ(Serial(12, 300, 4, 4, 2, 250), L"12,300,4,S,2.0,250");
    EXPECT_EQ(Serial(1, 2400, 1, 2, 1, 0), L"1,2400,7,E,1.5");
}

TEST(KSerialPortDescription, AnIndexOutOfRangeLeavesItsFieldEmpty)
{
    EXPECT_EQ(Serial(3, 19200, 5, 0, 0, 0), L"3,19200,,N,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, -1, 0, 0), L"3,19200,8,,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, 0, 3, 0), L"3,19200,8,N,");
}

TEST(KSerialPortDescription, ParityIsTheFirstCharacterAfterTrimmingInUpperCase)
{
    int32_t index = -1;
    EXPECT_TRUE(KSerialPort::ParseParity(KString(L" e "), index, 0));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(KSerialPort::ParseParity(KString(L"space"), index, 0));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(KSerialPort::ParseParity(KString(L"X"), index, 0));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(KSerialPort::ParseParity(KString(L"3,9600,8,  ,1.0"), index, 3));
}

TEST(KSerialPortDescription, StopBitsAreReadAsARealNumber)
{
    int32_t index = -1;
    EXPECT_TRUE(KSerialPort::ParseStopBits(KString(L" 1.50 "), index, 0));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(KSerialPort::ParseStopBits(KString(L"2"), index, 0));
    EXPECT_EQ(index, 2);
    for (const wchar_t *bad : {L"1.2", L"0", L"3.0", L"two", L"1.5x", L""}) {
        EXPECT_FALSE(KSerialPort::ParseStopBits(KString(bad), index, 0)) << bad;
        EXPECT_EQ(index, 0);
    }
}

TEST(KSerialPortDescription, MissingOrInvalidFieldsGiveTheDefaultsAndFalse)
{
    KString text(L"3");
    int32_t value = -1;
    EXPECT_FALSE(KSerialPort::ParseBaud(text, value, 1));
    EXPECT_EQ(value, 9600);
    EXPECT_FALSE(KSerialPort::ParseRepeatPeriod(text, value, 5));
    EXPECT_EQ(value, 0);

    KString bad(L"x,fast,9,N,1.0");
    EXPECT_FALSE(KSerialPort::ParsePort(bad, value, 0));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(KSerialPort::ParseBaud(bad, value, 1));
    EXPECT_EQ(value, 9600);
    EXPECT_FALSE(KSerialPort::ParseDataBits(bad, value, 2));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(KSerialPort::ParseBaud(KString(L"1,-9600"), value, 1));
    EXPECT_EQ(value, 9600);
}

TEST(KSerialPortDescription, EveryDescriptionMadeParsesBackToItsValues)
{
    for (int32_t bits = 0; bits < 5; ++bits)
        for (int32_t parity = 0; parity < 5; ++parity)
            for (int32_t stop = 0; stop < 3; ++stop) {
                KString text;
                KSerialPort::MakeDescription(text, 4, 57600, bits, parity, stop, -250);
                const int32_t expected[] = {4, 57600, bits, parity, stop, -250};
                for (int field = 0; field < 6; ++field) {
                    int32_t value = -1;
                    EXPECT_TRUE(kParsers[field](text, value, field)) << text.CStr();
                    EXPECT_EQ(value, expected[field]) << text.CStr();
                }
            }
}

TEST(KSocketDescription, MakeDescriptionWritesKindAddressAndPort)
{
    KString tcp;
    EXPECT_TRUE(KTCPSocket::MakeDescription(tcp, -2, 0, 1950));
    EXPECT_STREQ(tcp.CStr(), L"-2,0.0.0.0,1950");
    KString udp;
    EXPECT_TRUE(KUDPSocket::MakeDescription(udp, -3, 0xFFFFFFFFu, 1950));
    EXPECT_STREQ(udp.CStr(), L"-3,255.255.255.255,1950");
}

TEST(KSocketDescription, ParsersReadAddressAndPortWithZeroWhenMissing)
{
    uint32_t address = 1;
    uint16_t port = 1;
    EXPECT_TRUE(KTCPSocket::ParseAddress(KString(L"-1,10.0.0.7,1950"), address, 1));
    EXPECT_EQ(address, 0x0A000007u);
    EXPECT_TRUE(KUDPSocket::ParsePort(KString(L"-3,,1950"), port, 2));
    EXPECT_EQ(port, 1950);
    EXPECT_FALSE(KUDPSocket::ParseAddress(KString(L"-3,,1950"), address, 1));
    EXPECT_EQ(address, 0u);
    EXPECT_FALSE(KTCPSocket::ParseAddress(KString(L"-2"), address, 1));
    EXPECT_EQ(address, 0u);
    EXPECT_FALSE(KTCPSocket::ParsePort(KString(L"-2,0.0.0.0"), port, 2));
    EXPECT_EQ(port, 0);
    EXPECT_FALSE(KTCPSocket::ParsePort(KString(L"-2,0.0.0.0,70000"), port, 2));
    EXPECT_EQ(port, 0);
    EXPECT_FALSE(KTCPSocket::ParseAddress(KString(L"-1,results-pc,1950"), address, 1));
    EXPECT_EQ(address, 0u);
}
