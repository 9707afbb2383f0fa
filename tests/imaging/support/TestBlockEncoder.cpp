#include "imaging/support/TestBlockEncoder.h"

#include "imaging/store/VImageBlock.h"

#include <stdexcept>

void TestBitWriter::Put(uint32_t bits, int count)
{
    for (int i = 0; i < count; ++i, ++itsBit) {
        if (itsBit / 16 >= int(itsUnits.size()))
            itsUnits.push_back(0);
        if (bits >> i & 1)
            itsUnits[itsBit / 16] |= uint16_t(1u << (itsBit % 16));
    }
}

std::vector<uint16_t> TestBitWriter::Units() const
{
    return itsUnits;
}

int TestBlockEncoder::AddRaw(int32_t header, const std::vector<int32_t> &times, const std::vector<uint16_t> &payload,
                             int32_t length)
{
    const int o = itsOffset;
    const int payloadWords = int(payload.size() + 1) / 2;
    const int32_t actual = 1 + int32_t(times.size()) + payloadWords;
    const int32_t stated = length < 0 ? actual : length;
    if (o + actual > 4000)
        throw std::runtime_error("blockette does not fit");
    itsWords[o] = uint32_t(uint16_t(stated)) | uint32_t(uint16_t(header)) << 16;
    for (size_t k = 0; k < times.size(); ++k)
        itsWords[o + 1 + k] = uint32_t(times[k]);
    for (size_t u = 0; u < payload.size(); ++u)
        itsWords[o + 1 + times.size() + u / 2] |= uint32_t(payload[u]) << (u % 2 ? 16 : 0);
    itsOffset += stated > 0 ? stated : actual;
    itsFrames += int32_t(times.size());
    return o;
}

int TestBlockEncoder::AddGreyPlain(int32_t time, const std::vector<uint8_t> &levels, int averaging)
{
    std::vector<uint16_t> units((levels.size() + averaging - 1) / averaging / 2 + 1, 0);
    size_t at = 0;
    for (size_t i = 0; i < levels.size(); i += averaging, ++at)
        units[at / 2] |= uint16_t(levels[i] << (at % 2 ? 8 : 0));
    units.resize((at + 1) / 2);
    return AddRaw(Header(VImageBlock::kModePlain, 1, averaging), {time}, units);
}

int TestBlockEncoder::AddColourPlain(int32_t time, const std::vector<uint16_t> &pixels, int averaging)
{
    std::vector<uint16_t> units;
    for (size_t i = 0; i < pixels.size(); i += averaging)
        units.push_back(pixels[i]);
    return AddRaw(Header(VImageBlock::kModePlain, 1, averaging), {time}, units);
}

int TestBlockEncoder::AddDelta(int32_t time, const std::vector<uint16_t> &reference,
                               const std::vector<uint16_t> &target)
{
    TestBitWriter bits;
    for (size_t i = 0; i < target.size(); ++i) {
        if (target[i] == reference[i]) {
            bits.Put(0, 3);
            continue;
        }
        for (int shift : {10, 5, 0}) {
            const int from = reference[i] >> shift & 31;
            const int to = target[i] >> shift & 31;
            if (from == to)
                bits.Put(0, 1);
            else if (to == ((from + 2) & 31))
                bits.Put(0b001, 3);
            else if (to == ((from + 30) & 31))
                bits.Put(0b101, 3);
            else
                bits.Put(0b11 | uint32_t(to) << 2, 7);
        }
    }
    return AddRaw(Header(VImageBlock::kModeDelta, 1, 1), {time}, bits.Units());
}

namespace
{
void PutPairedDelta(TestBitWriter &bits, int delta)
{
    static const int kTable[16] = {3, 4, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 28, 29};
    delta &= 31;
    if (delta == 0)
        return bits.Put(0, 1);
    if (delta == 1 || delta == 31)
        return bits.Put(0b01 | (delta == 31 ? 4u : 0u), 3);
    if (delta == 2 || delta == 30)
        return bits.Put(0b011 | (delta == 30 ? 8u : 0u), 4);
    for (int k = 0; k < 16; ++k)
        if (kTable[k] == delta)
            return bits.Put(0b111 | uint32_t(k) << 3, 7);
    throw std::runtime_error("change not reachable by the paired code");
}
} // namespace

int TestBlockEncoder::AddPaired(int32_t time0, int32_t time1, const std::vector<uint16_t> &reference,
                                const std::vector<uint16_t> &first, const std::vector<uint16_t> &second)
{
    TestBitWriter bits;
    for (size_t i = 0; i < first.size(); ++i) {
        if (first[i] == reference[i] && second[i] == reference[i]) {
            bits.Put(0, 1);
            continue;
        }
        bits.Put(1, 1);
        for (int shift : {10, 5, 0}) {
            const int c = reference[i] >> shift & 31;
            const int c0 = first[i] >> shift & 31;
            const int c1 = second[i] >> shift & 31;
            PutPairedDelta(bits, c0 - c);
            PutPairedDelta(bits, c1 - c0);
        }
    }
    return AddRaw(Header(VImageBlock::kModePaired, 2, 1), {time0, time1}, bits.Units());
}

void TestBlockEncoder::WriteTo(VImageBlock &block, int camera) const
{
    std::vector<uint32_t> words = itsWords;
    words[0] = uint32_t(uint16_t(itsFrames)) | uint32_t(uint16_t(itsPixelMode)) << 16;
    words[1] = uint32_t(itsFirst);
    block.Load(reinterpret_cast<const uint8_t *>(words.data()));
    block.SetCamera(camera);
    block.SetChecksum();
}
