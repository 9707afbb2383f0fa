#pragma once
// A test-only encoder of coded image blocks: writes plain, delta and paired
// delta blockettes (or blockettes with any chosen header, times and payload),
// then the block's header, checksum and camera words. Pixels are 15-bit
// colour words or grey levels 0-93.

#include <cstdint>
#include <vector>

class VImageBlock;

// Bits written from the least significant end into 16-bit units.
class TestBitWriter
{
public:
    void Put(uint32_t bits, int count);
    std::vector<uint16_t> Units() const;

private:
    std::vector<uint16_t> itsUnits;
    int itsBit = 0;
};

class TestBlockEncoder
{
public:
    explicit TestBlockEncoder(int pixelMode, int32_t firstFrame = 0) : itsPixelMode(pixelMode), itsFirst(firstFrame) {}

    // A blockette with any header (mode, frames - 1, averaging - 1 and
    // higher bits as given) and payload; answers its word offset.
    int AddRaw(int32_t header, const std::vector<int32_t> &times, const std::vector<uint16_t> &payload,
               int32_t length = -1);
    int AddGreyPlain(int32_t time, const std::vector<uint8_t> &levels, int averaging = 1);
    int AddColourPlain(int32_t time, const std::vector<uint16_t> &pixels, int averaging = 1);
    // A delta blockette turning reference into target ("000" where equal).
    int AddDelta(int32_t time, const std::vector<uint16_t> &reference, const std::vector<uint16_t> &target);
    // A paired blockette; every channel change must be one the code reaches.
    int AddPaired(int32_t time0, int32_t time1, const std::vector<uint16_t> &reference,
                  const std::vector<uint16_t> &first, const std::vector<uint16_t> &second);

    // Writes everything into block (which must already belong to a coded image).
    void WriteTo(VImageBlock &block, int camera = 0) const;
    int32_t Frames() const { return itsFrames; }
    int NextOffset() const { return itsOffset; }

    static int Header(int mode, int frames, int averaging) { return mode | (frames - 1) << 4 | (averaging - 1) << 8; }

private:
    int itsPixelMode;
    int32_t itsFirst;
    int32_t itsFrames = 0;
    int itsOffset = 2;
    std::vector<uint32_t> itsWords = std::vector<uint32_t>(4000, 0);
};

// Colour word of three 5-bit channels.
inline uint16_t Rgb15(int r, int g, int b)
{
    return uint16_t((r & 31) << 10 | (g & 31) << 5 | (b & 31));
}
