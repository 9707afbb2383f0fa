// The stream record of KString: tag, 32-bit length, UTF-16LE characters.
#include "foundation/errors/KX.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KRecordTags.h"
#include "foundation/streams/KStream.h"
#include "foundation/strings/KString.h"

namespace
{
// Longest text a record may hold; longer lengths mean a damaged file.
constexpr uint32_t kMaxRecordChars = 16 * 1024 * 1024;
} // namespace

void KString::Write(KStream &stream) const
{
    stream.WriteU32(kTagString);
    stream.WriteU32(uint32_t(Length()));
    const int chunk = 512;
    uint8_t bytes[chunk * 2];
    for (int done = 0; done < Length();) {
        int n = Length() - done < chunk ? Length() - done : chunk;
        for (int i = 0; i < n; ++i) {
            wchar_t c = CStr()[done + i];
            bytes[2 * i] = uint8_t(c & 0xFF);
            bytes[2 * i + 1] = uint8_t(c >> 8);
        }
        stream.Write(bytes, n * 2);
        done += n;
    }
}

void KString::Read(KStream &stream)
{
    uint32_t tag = stream.ReadU32();
    if (tag != kTagString && tag != (kTagString & ~kTagFlagWide))
        throw KXPersistent(kErrFileVersion, int32_t(tag & 0x7FFFFFFF));
    uint32_t length = KPersistent::ReadCount(stream, 2, kMaxRecordChars);
    Clear();
    // Every character is consumed even when a fixed-capacity string cuts the text.
    const uint32_t chunk = 512;
    uint8_t bytes[chunk * 2];
    wchar_t text[chunk];
    for (uint32_t done = 0; done < length;) {
        uint32_t n = length - done < chunk ? length - done : chunk;
        stream.ReadExact(bytes, int32_t(n * 2));
        for (uint32_t i = 0; i < n; ++i)
            text[i] = wchar_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        Append(text, int(n));
        done += n;
    }
}
