#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/comm/KUDPSocket.h"
#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

#include <initializer_list>

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

// One reading of a description's field: the text, the field's position,
// whether it parses, and the value it gives.
struct FieldReading
{
    const wchar_t *text;
    int field;
    bool parses;
    int32_t value;
};

// Each reading by parse, starting from a value none of them gives.
void ExpectReadings(bool (*parse)(const KString &, int32_t &, int), std::initializer_list<FieldReading> readings)
{
    for (const FieldReading &reading : readings) {
        int32_t value = -1;
        EXPECT_EQ(parse(KString(reading.text), value, reading.field), reading.parses) << reading.text;
        EXPECT_EQ(value, reading.value) << reading.text;
    }
}
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
    ExpectReadings(KSerialPort::ParseParity, {
        { L" e ", 0, true, 2 },
        { L"space", 0, true, 4 },
        { L"X", 0, false, 0 },
        { L"3,9600,8,  ,1.0", 3, false, 0 },
    });
}

TEST(KSerialPortDescription, StopBitsAreReadAsARealNumber)
{
    ExpectReadings(KSerialPort::ParseStopBits, {
        { L" 1.50 ", 0, true, 1 },
        { L"2", 0, true, 2 },
        { L"1.2", 0, false, 0 },
        { L"0", 0, false, 0 },
        { L"3.0", 0, false, 0 },
        { L"two", 0, false, 0 },
        { L"1.5x", 0, false, 0 },
        { L"", 0, false, 0 },
    });
}

TEST(KSerialPortDescription, MissingOrInvalidFieldsGiveTheDefaultsAndFalse)
{
    ExpectReadings(KSerialPort::ParseBaud, {
        { L"3", 1, false, 9600 },
        { L"x,fast,9,N,1.0", 1, false, 9600 },
        { L"1,-9600", 1, false, 9600 },
    });
    ExpectReadings(KSerialPort::ParseRepeatPeriod, { { L"3", 5, false, 0 } });
    ExpectReadings(KSerialPort::ParsePort, { { L"x,fast,9,N,1.0", 0, false, 0 } });
    ExpectReadings(KSerialPort::ParseDataBits, { { L"x,fast,9,N,1.0", 2, false, 0 } });
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
