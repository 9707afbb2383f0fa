// Dotted-decimal IPv4 text. Written out here rather than through inet_addr:
// inet_addr answers the broadcast address for any text it cannot read, and
// accepts forms ("127.1", "0x7f.0.0.1") that a port description never holds.
#include "foundation/comm/KAddress.h"

#include "foundation/strings/KString.h"

namespace {
constexpr int kMaxAddressText = 31;
}

bool KParseAddress(const KString &text, uint32_t &address)
{
    address = 0;
    KString trimmed(text);
    trimmed.Trim();
    if (trimmed.IsEmpty() || trimmed.Length() > kMaxAddressText)
        return false;

    uint32_t value = 0;
    int parts = 0;
    int i = 0;
    const int length = trimmed.Length();
    while (parts < 4) {
        int digits = 0;
        uint32_t part = 0;
        while (i < length && trimmed[i] >= L'0' && trimmed[i] <= L'9' && digits < 4) {
            part = part * 10 + uint32_t(trimmed[i] - L'0');
            ++digits;
            ++i;
        }
        if (digits == 0 || digits > 3 || part > 255)
            return false;
        value = (value << 8) | part;
        ++parts;
        if (parts < 4) {
            if (i >= length || trimmed[i] != L'.')
                return false;
            ++i;
        }
    }
    if (i != length)
        return false;
    address = value;
    return true;
}

bool KFormatAddress(KString &out, uint32_t address)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.AppendInt(int32_t((address >> shift) & 0xFF));
        if (shift > 0)
            out.AppendChar(L'.');
    }
    return true;
}
