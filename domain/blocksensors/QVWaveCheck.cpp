#include "domain/blocksensors/QVWaveCheck.h"

#include <cstring>

namespace
{
constexpr size_t kRiffHeader = 12;     // "RIFF", size, "WAVE"
constexpr size_t kChunkHeader = 8;     // id, size
constexpr uint32_t kFormatBytes = 16;  // the PCM format fields every reader needs
constexpr uint32_t kUnsized = 0xFFFFFFFF;  // a data size some recorders leave while they record

bool IdAt(const std::vector<uint8_t> &bytes, size_t at, const char *id)
{
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, id, 4) == 0;
}

uint32_t SizeAt(const std::vector<uint8_t> &bytes, size_t at)
{
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

uint32_t HalfAt(const std::vector<uint8_t> &bytes, size_t at)
{
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8;
}

// Format tags whose samples are read by their size: a 0 there leaves a
// reader nothing to read. Compressed formats (GSM 6.10 and the like) give 0
// by their definition and pass as any other tag does.
constexpr uint32_t kTagPcm = 0x0001;
constexpr uint32_t kTagFloat = 0x0003;
constexpr uint32_t kTagALaw = 0x0006;
constexpr uint32_t kTagMuLaw = 0x0007;
constexpr uint32_t kTagExtensible = 0xFFFE;

bool NeedsSampleSize(uint32_t tag)
{
    return tag == kTagPcm || tag == kTagFloat || tag == kTagALaw || tag == kTagMuLaw || tag == kTagExtensible;
}

// The format fields at body: tag, channels, sample rate, (byte rate, block
// alignment,) bits per sample; a reader plays nothing when one it reads is 0.
bool Playable(const std::vector<uint8_t> &bytes, size_t body)
{
    const uint32_t tag = HalfAt(bytes, body);
    if (tag == 0 || HalfAt(bytes, body + 2) == 0 || SizeAt(bytes, body + 4) == 0)
        return false;
    return !NeedsSampleSize(tag) || HalfAt(bytes, body + 14) != 0;
}
} // namespace

QVWaveFault QVCheckWave(const std::vector<uint8_t> &bytes)
{
    if (!IdAt(bytes, 0, "RIFF") || !IdAt(bytes, 8, "WAVE"))
        return QVWaveFault::kNotWave;
    const uint64_t end = bytes.size();
    bool format = false;
    for (uint64_t at = kRiffHeader; at < end;)
    {
        if (end - at < kChunkHeader)
            return QVWaveFault::kHeaderCut;
        const uint64_t size = SizeAt(bytes, size_t(at) + 4);
        const uint64_t body = at + kChunkHeader;
        if (IdAt(bytes, size_t(at), "data"))
        {
            if (!format)
                return QVWaveFault::kNoFormat;
            if (size == kUnsized)
                return QVWaveFault::kDataUnsized;
            return body + size > end ? QVWaveFault::kDataPastEnd : QVWaveFault::kNone;
        }
        if (IdAt(bytes, size_t(at), "fmt "))
        {
            if (size < kFormatBytes || body + size > end)
                return QVWaveFault::kHeaderCut;
            if (!Playable(bytes, size_t(body)))
                return QVWaveFault::kBadFormat;
            format = true;
        }
        at = body + size + (size & 1);
    }
    return QVWaveFault::kNoData;
}
