// The blockette decoder: grey and colour plain payloads, colour delta and
// paired delta codes, and the averaging fill.
#include "imaging/store/VImageBlock.h"

#include "imaging/store/VImageFrame.h"

#include <algorithm>

namespace
{
// The payload as a stream of 16-bit little-endian units, read from the least
// significant bit up. Reading past the payload gives zero bits.
class PayloadReader
{
public:
    PayloadReader(const VImageBlock &block, int start, int words)
        : itsBlock(block), itsStart(start), itsUnits(2 * words)
    {
    }

    // The next n (at most 16) bits without consuming them.
    uint32_t Peek(int n)
    {
        TopUp();
        return itsBits & ((1u << n) - 1);
    }
    void Consume(int n)
    {
        itsBits >>= n;
        itsCount -= n;
    }
    uint32_t Take(int n)
    {
        const uint32_t bits = Peek(n);
        Consume(n);
        return bits;
    }
    uint16_t NextUnit() { return Unit(itsNextUnit++); }
    uint8_t NextByte()
    {
        const uint16_t unit = Unit(itsNextByte / 2);
        return uint8_t(itsNextByte++ % 2 ? unit >> 8 : unit & 0xFF);
    }

private:
    uint16_t Unit(int index) const
    {
        if (index < 0 || index >= itsUnits)
            return 0;
        return itsBlock.Half(itsStart + index / 2, index % 2);
    }
    void TopUp()
    {
        if (itsCount < 16) {
            itsBits |= uint32_t(NextUnit()) << itsCount;
            itsCount += 16;
        }
    }

    const VImageBlock &itsBlock;
    int itsStart;
    int itsUnits;
    int itsNextUnit = 0;
    int itsNextByte = 0;
    uint32_t itsBits = 0;
    int itsCount = 0;
};

int Channel(uint16_t pixel, int shift)
{
    return (pixel >> shift) & 31;
}

uint16_t WithChannel(uint16_t pixel, int shift, int value)
{
    return uint16_t((pixel & ~(31 << shift)) | ((value & 31) << shift));
}

// One channel of a delta pixel: "0" unchanged, "100" +2, "101" -2, "11" and
// five bits a new value; modulo 32.
int DeltaChannel(PayloadReader &reader, int channel)
{
    if (reader.Take(1) == 0)
        return channel;
    if (reader.Take(1) == 0)
        return (channel + (reader.Take(1) ? 30 : 2)) & 31;
    return int(reader.Take(5));
}

// One change of a paired pixel: "0" none, "10" and a sign bit +1/-1, "110"
// and a sign bit +2/-2, "111" and four bits an entry of the table.
int PairedDelta(PayloadReader &reader)
{
    static const int kTable[16] = {3, 4, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 28, 29};
    if (reader.Take(1) == 0)
        return 0;
    if (reader.Take(1) == 0)
        return reader.Take(1) ? 31 : 1;
    if (reader.Take(1) == 0)
        return reader.Take(1) ? 30 : 2;
    return kTable[reader.Take(4)];
}

template <typename Pixel>
void FillGroups(Pixel *pixels, int n, int averaging, int capacity)
{
    if (averaging <= 1)
        return;
    for (int i = 0; i < n; i += averaging)
        std::fill(pixels + i + 1, pixels + std::min(i + averaging, capacity), pixels[i]);
}
} // namespace

int VImageBlock::Decode(const VImageFrame *reference, VImageFrame *target0, VImageFrame *target1)
{
    if (!target0 || BlockFormat() != kCoded)
        return -1;
    const int o = target0->BlocketteOffset();
    if (o < 0 || o >= kWords)
        return -1;
    const int frames = BlocketteFrames(o);
    const int start = o + frames + 1;
    const int words = BlocketteLength(o) - (frames + 1);
    if (start > kWords - 1 || words < 0 || start + words > kWords)
        return -1;
    const int n = PixelsPerFrame();
    if (n < 1 || n > FrameCapacity())
        return -1;
    const int averaging = BlocketteAveraging(o);
    const int mode = BlocketteMode(o);
    PayloadReader reader(*this, start, words);

    if (PixelMode() == kPixelGrey) {
        if (reference && mode != kModePlain)
            return -1;
        uint8_t *pixels = target0->Pixels();
        for (int i = 0; i < n; i += averaging)
            pixels[i] = VImageFrame::GreyLevelByte(reader.NextByte());
        FillGroups(pixels, n, averaging, VImageFrame::kGreyCapacity);
        return 1;
    }
    if (PixelMode() != kPixelColour)
        return -1;

    uint16_t *t0 = target0->ColourPixels();
    int result = 1;
    if (!reference || mode == kModePlain) {
        for (int i = 0; i < n; i += averaging)
            t0[i] = reader.NextUnit();
    } else if (mode == kModeDelta) {
        const uint16_t *r = reference->ColourPixels();
        for (int i = 0; i < n; ++i) {
            uint16_t p = r[i];
            if (reader.Peek(3) == 0) {
                reader.Consume(3);
            } else {
                for (int shift : {10, 5, 0})
                    p = WithChannel(p, shift, DeltaChannel(reader, Channel(p, shift)));
            }
            t0[i] = p;
        }
    } else if (mode == kModePaired && target1) {
        const uint16_t *r = reference->ColourPixels();
        uint16_t *t1 = target1->ColourPixels();
        for (int i = 0; i < n; i += averaging) {
            const uint16_t p = r[i];
            if (reader.Take(1) == 0) {
                t0[i] = t1[i] = p;
                continue;
            }
            t0[i] = t1[i] = 0;
            for (int shift : {10, 5, 0}) {
                const int c0 = (Channel(p, shift) + PairedDelta(reader)) & 31;
                const int c1 = (c0 + PairedDelta(reader)) & 31;
                t0[i] = WithChannel(t0[i], shift, c0);
                t1[i] = WithChannel(t1[i], shift, c1);
            }
        }
        FillGroups(t1, n, averaging, VImageFrame::kColourCapacity);
        result = 2;
    } else {
        return -1;
    }
    FillGroups(t0, n, averaging, VImageFrame::kColourCapacity);
    return result;
}
