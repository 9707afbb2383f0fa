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
} // namespace

TEST(KSerialPortDescription, MakeDescriptionWritesTheFiveFieldsAndARepeatOnlyWhenSet)
{
    EXPECT_EQ(Serial(3, 19200, 0, 0, 0, 0), L"3,19200,8,N,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, 0, 0, -5000), L"3,19200,8,N,1.0,-5000");
    EXPECT_EQ(Serial(0, 9600, 0, 0, 0, 250), L"0,9600,8,N,1.0,250");
    EXPECT_EQ(Serial(12, 300, 4, 4, 2, 0), L"12,300,4,S,2.0");
    EXPECT_EQ(Serial(1, 2400, 1, 2, 1, 0), L"1,2400,7,E,1.5");
}

TEST(KSerialPortDescription, AnIndexOutOfRangeLeavesItsFieldEmpty)
{
    EXPECT_EQ(Serial(3, 19200, 5, 0, 0, 0), L"3,19200,,N,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, -1, 0, 0), L"3,19200,8,,1.0");
    EXPECT_EQ(Serial(3, 19200, 0, 0, 3, 0), L"3,19200,8,N,");
}

TEST(KSerialPortDescription, MakeDescriptionAppendsToWhatIsThere)
{
    KString out(L"SerialPort=");
    KSerialPort::MakeDescription(out, 2, 9600, 0, 1, 0, 0);
    EXPECT_STREQ(out.CStr(), L"SerialPort=2,9600,8,O,1.0");
}

TEST(KSerialPortDescription, ParsersReadEveryFieldOfADescription)
{
    KString text(L"7,38400,6,o,2.0,-5000");
    int32_t value = -9;
    EXPECT_TRUE(KSerialPort::ParsePort(text, value, 0));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(KSerialPort::ParseBaud(text, value, 1));
    EXPECT_EQ(value, 38400);
    EXPECT_TRUE(KSerialPort::ParseDataBits(text, value, 2));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(KSerialPort::ParseParity(text, value, 3));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(KSerialPort::ParseStopBits(text, value, 4));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(KSerialPort::ParseRepeatPeriod(text, value, 5));
    EXPECT_EQ(value, -5000);
}

TEST(KSerialPortDescription, ParityIsTheFirstCharacterAfterTrimmingInUpperCase)
{
    int32_t index = -1;
    EXPECT_TRUE(KSerialPort::ParseParity(KString(L" e "), index, 0));
    EXPECT_EQ(index, 2);
    const wchar_t *letters[] = {L"N", L"o", L"Even", L"m", L"space"};
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(KSerialPort::ParseParity(KString(letters[i]), index, 0));
        EXPECT_EQ(index, i);
    }
    EXPECT_FALSE(KSerialPort::ParseParity(KString(L"X"), index, 0));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(KSerialPort::ParseParity(KString(L"3,9600,8,  ,1.0"), index, 3));
}

TEST(KSerialPortDescription, StopBitsAreReadAsARealNumber)
{
    int32_t index = -1;
    EXPECT_TRUE(KSerialPort::ParseStopBits(KString(L"1"), index, 0));
    EXPECT_EQ(index, 0);
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
    EXPECT_FALSE(KSerialPort::ParseDataBits(text, value, 2));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(KSerialPort::ParseParity(text, value, 3));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(KSerialPort::ParseStopBits(text, value, 4));
    EXPECT_EQ(value, 0);
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
                int32_t v[6];
                EXPECT_TRUE(KSerialPort::ParsePort(text, v[0], 0));
                EXPECT_TRUE(KSerialPort::ParseBaud(text, v[1], 1));
                EXPECT_TRUE(KSerialPort::ParseDataBits(text, v[2], 2));
                EXPECT_TRUE(KSerialPort::ParseParity(text, v[3], 3));
                EXPECT_TRUE(KSerialPort::ParseStopBits(text, v[4], 4));
                EXPECT_TRUE(KSerialPort::ParseRepeatPeriod(text, v[5], 5));
                EXPECT_EQ(v[0], 4);
                EXPECT_EQ(v[1], 57600);
                EXPECT_EQ(v[2], bits);
                EXPECT_EQ(v[3], parity);
                EXPECT_EQ(v[4], stop);
                EXPECT_EQ(v[5], -250);
            }
}

TEST(KSocketDescription, MakeDescriptionWritesKindAddressAndPort)
{
    KString tcp;
    EXPECT_TRUE(KTCPSocket::MakeDescription(tcp, -2, 0, 1950));
    EXPECT_STREQ(tcp.CStr(), L"-2,0.0.0.0,1950");
    KString connect;
    KTCPSocket::MakeDescription(connect, -1, 0xC0A80005u, 65535);
    EXPECT_STREQ(connect.CStr(), L"-1,192.168.0.5,65535");
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
