// The fields of a serial port description:
//   0 port     COM number, 0 when none is chosen
//   1 baud     decimal integer
//   2 bits     "8", "7", "6", "5" or "4"       (index 0..4)
//   3 parity   "N", "O", "E", "M" or "S"       (index 0..4)
//   4 stop     "1.0", "1.5" or "2.0"           (index 0..2)
//   5 repeat   milliseconds, optional: positive repeats, negative keeps the
//              period with repeating off, absent means 0
#include "foundation/comm/KSerialPort.h"

#include "foundation/strings/KString.h"
#include "foundation/strings/KText.h"

#include <cwchar>
#include <string>

namespace {
const wchar_t kParityLetters[] = L"NOEMS";
const wchar_t *const kStopTexts[] = {L"1.0", L"1.5", L"2.0"};
constexpr int32_t kDefaultBaud = 9600;

// The field of that index with the blanks around it trimmed; false when the
// description has no such field.
bool TrimmedField(const KString &text, int field, KString &value)
{
    if (!KString::GetField(text, value, field))
        return false;
    value.Trim();
    return true;
}
} // namespace

bool KSerialPort::MakeDescription(KString &out, int32_t port, int32_t baud, int32_t dataBits,
                                  int32_t parity, int32_t stopBits, int32_t repeatPeriod)
{
    out.AppendInt(port).AppendChar(L',').AppendInt(baud).AppendChar(L',');
    if (dataBits >= 0 && dataBits <= 4)
        out.AppendChar(wchar_t(L'8' - dataBits));
    out.AppendChar(L',');
    if (parity >= 0 && parity <= 4)
        out.AppendChar(kParityLetters[parity]);
    out.AppendChar(L',');
    if (stopBits >= 0 && stopBits <= 2)
        out.Append(kStopTexts[stopBits]);
    if (repeatPeriod != 0)
        out.AppendChar(L',').AppendInt(repeatPeriod);
    return true;
}

bool KSerialPort::ParsePort(const KString &text, int32_t &port, int field)
{
    return KString::ParseIntField(text, port, field);
}

bool KSerialPort::ParseBaud(const KString &text, int32_t &baud, int field)
{
    int32_t value = 0;
    baud = kDefaultBaud;
    if (!KString::ParseIntField(text, value, field) || value <= 0)
        return false;
    baud = value;
    return true;
}

bool KSerialPort::ParseDataBits(const KString &text, int32_t &index, int field)
{
    int32_t bits = 0;
    index = 0;
    if (!KString::ParseIntField(text, bits, field) || bits < 4 || bits > 8)
        return false;
    index = 8 - bits;
    return true;
}

bool KSerialPort::ParseParity(const KString &text, int32_t &index, int field)
{
    KString value;
    index = 0;
    if (!TrimmedField(text, field, value) || value.IsEmpty())
        return false;
    const wchar_t *letter = std::wcschr(kParityLetters, KTextToUpper(value[0]));
    if (!letter || !*letter)
        return false;
    index = int32_t(letter - kParityLetters);
    return true;
}

bool KSerialPort::ParseStopBits(const KString &text, int32_t &index, int field)
{
    KString value;
    index = 0;
    if (!TrimmedField(text, field, value))
        return false;
    std::wstring number(value.CStr());
    wchar_t *end = nullptr;
    double bits = std::wcstod(number.c_str(), &end);
    if (number.empty() || end != number.c_str() + number.size())
        return false;
    for (int32_t i = 0; i < 3; ++i) {
        if (bits == 1.0 + 0.5 * i) {
            index = i;
            return true;
        }
    }
    return false;
}

bool KSerialPort::ParseRepeatPeriod(const KString &text, int32_t &period, int field)
{
    return KString::ParseIntField(text, period, field);
}
