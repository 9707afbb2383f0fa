// The blockette chain: validity check, lookup of a frame's blockette, and
// the copies that repack frames into a new block.
#include "imaging/store/VImageBlock.h"

#include "imaging/store/VImageFrame.h"

#include <algorithm>
#include <vector>

bool VImageBlock::Validate()
{
    const int32_t count = Half(0, 0) & 0x3FF;
    SetHalf(0, 0, uint16_t(count));
    int32_t remaining = count;
    int32_t o = kFirstBlockette;
    int32_t lastTime = 0;
    while (remaining > 0) {
        if (o < 0 || o >= kWords)
            return false;
        const int32_t header = BlocketteHeader(o);
        const int32_t frames = BlocketteFrames(o);
        const int32_t statedFrames = ((header >> 4) & 15) + 1;
        remaining -= frames;
        SetHalf(o, 0, uint16_t(Half(o, 0) & 0x3FFF));
        const int32_t length = BlocketteLength(o);
        if (remaining < 0 || BlocketteMode(o) > kModePaired || statedFrames > kMaxBlocketteFrames)
            return false;
        // The header and time words must fit, or the chain cannot advance.
        if (length < frames + 1)
            return false;
        const int32_t first = BlocketteTime(o, 0);
        if (first < lastTime || (frames == 2 && BlocketteTime(o, 1) < first))
            return false;
        if (header & 0x7000)
            return false;
        lastTime = BlocketteTime(o, frames - 1);
        o += length;
    }
    return true;
}

int32_t VImageBlock::FindBlockette(int32_t &f) const
{
    if (BlockFormat() == kPlain) {
        const int32_t offset = FrameLength() * f;
        f = 0;
        return offset;
    }
    int32_t o = kFirstBlockette;
    while (o < kWords - 1) {
        const int32_t frames = std::max(1, BlocketteFrames(o));
        if (frames > f)
            break;
        const int32_t length = BlocketteLength(o);
        if (length < 1)
            break;  // a damaged chain ends here
        f -= frames;
        o += length;
    }
    return std::min(kWords - 1, o);
}

bool VImageBlock::CopyBlockette(VImageBlock *destination, int32_t &offset, int32_t &frames, int32_t f) const
{
    if (BlockFormat() != kCoded)
        return false;
    int32_t within = f;
    const int32_t o = FindBlockette(within);
    if (within != 0)
        LogError(L"CopyBlockette", L"srcBlocketteFrame != 0");
    const int32_t length = BlocketteLength(o);
    if (length < 1)
        return false;
    frames = BlocketteFrames(o);
    if (destination)
        for (int32_t w = 0; w < length; ++w)
            destination->SetWord(offset + w, Word(o + w));
    offset += length;
    return true;
}

bool VImageBlock::CopyFrameAsRaw(VImageBlock *destination, int32_t &offset, int32_t &frames, int32_t f)
{
    if (BlockFormat() != kCoded)
        return false;
    int32_t within = f;
    const int32_t o = FindBlockette(within);
    const int32_t averaging = BlocketteAveraging(o);
    const int32_t time = BlocketteTime(o, within);
    const uint8_t *pixels = Frame(f);
    if (!pixels)
        return false;
    const int32_t length = PlainBlocketteLength(averaging);
    if (destination) {
        std::vector<uint8_t> payload(size_t(4 * (length - 2)), 0);
        const int32_t n = PixelsPerFrame();
        size_t at = 0;
        for (int32_t i = 0; i < n; i += averaging) {
            if (BytesPerPixel() == 1) {
                payload[at++] = VImageFrame::GreyInverse()[pixels[i]];
            } else {
                const uint16_t unit = reinterpret_cast<const uint16_t *>(pixels)[i];
                payload[at++] = uint8_t(unit & 0xFF);
                payload[at++] = uint8_t(unit >> 8);
            }
        }
        for (int32_t w = 0; w < length - 2; ++w)
            destination->SetWord(offset + 2 + w, uint32_t(payload[4 * w]) | uint32_t(payload[4 * w + 1]) << 8 |
                                                     uint32_t(payload[4 * w + 2]) << 16 |
                                                     uint32_t(payload[4 * w + 3]) << 24);
        destination->SetWord(offset + 1, uint32_t(time));
        destination->SetBlocketteLength(offset, length);
        destination->SetBlocketteHeader(offset, (averaging - 1) * 256 + kModePlain);
    }
    frames = 1;
    offset += length;
    return true;
}
