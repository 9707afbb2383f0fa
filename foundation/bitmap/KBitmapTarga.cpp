// Targa import and export of KBitmap. The 18-byte header:
//    0  length of the image id that follows the header
//    1  colour map type (0: none; 1: a map, skipped by true-colour images)
//    2  image type (2: uncompressed true colour)
//    3  colour map: first entry (2), length (2), bits per entry (1)
//    8  x and y origin (2 + 2)
//   12  width, height (2 + 2)
//   16  bits per pixel (15, 16, 24 or 32)
//   17  descriptor: alpha bits (low 4 bits), bit 4 right-to-left, bit 5 top row first
// All values little-endian.
#include "foundation/bitmap/KBitmap.h"

#include "foundation/bitmap/KPixel.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

#include <cstring>
#include <vector>

namespace {
constexpr int kHeaderSize = 18;
constexpr uint8_t kTrueColour = 2;
constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopFirst = 0x20;

uint16_t Word(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }

void PutWord(uint8_t *p, uint32_t value)
{
    p[0] = uint8_t(value);
    p[1] = uint8_t(value >> 8);
}

struct TargaHeader
{
    int32_t idLength;
    int32_t mapBytes;
    int32_t width;
    int32_t height;
    int32_t bytes; // per pixel in the file
    uint8_t descriptor;
};

// Reads and checks the header; false when this is no file ImportTarga reads.
bool ReadHeader(KStream &stream, TargaHeader &header)
{
    uint8_t h[kHeaderSize];
    stream.ReadExact(h, kHeaderSize);
    if (h[2] != kTrueColour || h[1] > 1)
        return false;
    header.idLength = h[0];
    header.mapBytes = h[1] ? Word(h + 5) * ((h[7] + 7) / 8) : 0;
    header.width = Word(h + 12);
    header.height = Word(h + 14);
    header.descriptor = h[17];
    switch (h[16]) {
    case 15:
    case 16: header.bytes = 2; break;
    case 24: header.bytes = 3; break;
    case 32: header.bytes = 4; break;
    default: return false;
    }
    return header.width > 0 && header.height > 0;
}

void Skip(KStream &stream, int32_t count)
{
    uint8_t scratch[256];
    while (count > 0) {
        int32_t n = count < int32_t(sizeof scratch) ? count : int32_t(sizeof scratch);
        stream.ReadExact(scratch, n);
        count -= n;
    }
}
// Copies one file row of width pixels of sourceBytes each into target
// pixels of depth bytes, converting the depth when they differ.
void ConvertRow(const uint8_t *source, int32_t sourceBytes, bool rightToLeft, uint8_t *target,
                int32_t depth, int32_t width)
{
    for (int32_t x = 0; x < width; ++x) {
        const int32_t sourceX = rightToLeft ? width - 1 - x : x;
        const uint8_t *from = source + size_t(sourceX) * size_t(sourceBytes);
        uint8_t *pixel = target + size_t(x) * size_t(depth);
        if (depth == sourceBytes)
            std::memcpy(pixel, from, size_t(depth));
        else
            KPixel::Store(pixel, depth, KPixel::Load(from, sourceBytes));
        if (depth == 2)
            pixel[1] &= 0x7F; // the attribute bit of 16-bit files is no colour
    }
}
} // namespace

bool KBitmap::ImportTarga(KStream &stream)
{
    const uint32_t keptFormat = itsFormat;
    itsPixels.clear();
    itsWidth = itsHeight = 0;
    try {
        TargaHeader header;
        // A damaged size must not make us allocate before the data is known to be there.
        const bool usable = ReadHeader(stream, header);
        const int64_t pixelBytes = usable ? int64_t(header.width) * header.height * header.bytes : 0;
        const int64_t remaining = stream.Remaining();
        if (!usable || (remaining >= 0 && remaining < header.idLength + header.mapBytes + pixelBytes))
            throw KXStream(kErrFileContents);
        Skip(stream, header.idLength + header.mapBytes);

        if (BytesPerPixel() == 0)
            itsFormat |= KPixel::FormatForBytes(header.bytes);
        itsWidth = header.width;
        itsHeight = header.height;
        if (!Allocate())
            throw KXStream(kErrMemoryAlloc);

        const bool topFirst = (header.descriptor & kTopFirst) != 0;
        const bool bottomUp = (itsFormat & kFormatBottomUp) != 0;
        std::vector<uint8_t> row(size_t(header.width) * size_t(header.bytes));
        for (int32_t fileRow = 0; fileRow < itsHeight; ++fileRow) {
            stream.ReadExact(row.data(), int32_t(row.size()));
            const int32_t fromTop = topFirst ? fileRow : itsHeight - 1 - fileRow;
            ConvertRow(row.data(), header.bytes, (header.descriptor & kRightToLeft) != 0,
                       RowPointer(bottomUp ? itsHeight - 1 - fromTop : fromTop), BytesPerPixel(), itsWidth);
        }
        return true;
    } catch (const KX &) {
    }
    itsPixels.clear();
    itsWidth = itsHeight = 0;
    itsFormat = keptFormat;
    return false;
}

bool KBitmap::Export(KStream &file, RowCallback callback, void *context) const
{
    const int32_t depth = BytesPerPixel();
    if (depth == 0 || itsWidth <= 0 || itsHeight <= 0 || itsWidth > kMaxSide || itsHeight > kMaxSide ||
        (!callback && itsPixels.empty()))
        throw KXStream(kErrFileWrite);

    uint8_t header[kHeaderSize] = {};
    header[2] = kTrueColour;
    PutWord(header + 12, uint32_t(itsWidth));
    PutWord(header + 14, uint32_t(itsHeight));
    header[16] = uint8_t(depth == 2 ? 16 : depth * 8);
    header[17] = uint8_t(depth == 4 ? 8 : 0); // bottom row first; alpha bits
    file.Write(header, kHeaderSize);

    const bool bottomUp = (itsFormat & kFormatBottomUp) != 0;
    for (int32_t row = 0; row < itsHeight; ++row) {
        const uint8_t *bytes = callback ? callback(row, context)
                                        : RowPointer(bottomUp ? row : itsHeight - 1 - row);
        if (!bytes)
            return false;
        file.Write(bytes, RowBytes());
    }
    return true;
}
