#pragma once
// KBitmap: a true-colour picture in memory, read from and written to Targa
// files. The pixels are rows of Width() x BytesPerPixel() bytes, without
// padding, in Windows' byte order:
//   15-bit  two bytes, a little-endian word 0RRRRRGG GGGBBBBB;
//   24-bit  blue, green, red;
//   32-bit  blue, green, red, alpha.
// The format flags choose the depth and the row order; a bitmap made empty
// without a depth flag takes the depth of the first file it imports.
// The memory flags are kept for the callers; the pixels always live on the
// heap, owned by the bitmap. A bitmap belongs to one thread at a time.
//
// Targa files: ImportTarga reads uncompressed true-colour files (image type
// 2) of 15, 16, 24 or 32 bits per pixel in either row order; Export writes
// type 2 with the rows bottom first (origin at the lower left).

#include <cstdint>
#include <vector>

class KFile;
class KStream;

class KBitmap
{
public:
    // Format flags.
    enum : uint32_t
    {
        kFormatDisplay = 0x02,   // meant for the screen (the splash); no effect on the pixels
        kFormatBottomUp = 0x08,  // row 0 is the bottom row (the order of DIBs and Targa files)
        kFormat15Bit = 0x10,     // 2 bytes per pixel, 5-5-5
        kFormat24Bit = 0x20,     // 3 bytes per pixel
        kFormat32Bit = 0x80,     // 4 bytes per pixel
        kFormatDepthMask = kFormat15Bit | kFormat24Bit | kFormat32Bit
    };
    // Memory flags (kept, not acted on).
    enum : uint32_t
    {
        kMemoryHeap = 0x01,      // ordinary memory
        kMemoryOnDemand = 0x02,  // filled when first needed (overlays)
        kMemoryShared = 0x04     // shared between views (overlays)
    };
    // File formats of FileFormat.
    enum
    {
        kFileTarga = 0,
        kFileJPEG = 1
    };
    // Asked by Export for each row, in file order (r = 0 is the bottom row):
    // the row's Width() x BytesPerPixel() bytes, or null to end the export.
    typedef const uint8_t *(*RowCallback)(int32_t row, void *context);

    // Largest width or height a Targa file can state.
    enum { kMaxSide = 65535 };

    // An empty bitmap (no size, no pixels).
    KBitmap(uint32_t formatFlags, uint32_t memoryFlags);
    // A bitmap of that size without pixels yet (see Allocate).
    KBitmap(int32_t width, int32_t height, uint32_t formatFlags, uint32_t memoryFlags = kMemoryHeap);
    KBitmap(const KBitmap &) = delete;
    KBitmap &operator=(const KBitmap &) = delete;

    int32_t Width() const { return itsWidth; }
    int32_t Height() const { return itsHeight; }
    // 2, 3 or 4; 0 while an empty bitmap has no depth.
    int32_t BytesPerPixel() const;
    int32_t RowBytes() const { return itsWidth * BytesPerPixel(); }
    uint32_t FormatFlags() const { return itsFormat; }
    uint32_t MemoryFlags() const { return itsMemory; }
    bool HasPixels() const { return !itsPixels.empty(); }

    // Makes the pixels (all 0) for the current size; false when the size or
    // depth is unusable or the memory cannot be had.
    bool Allocate();
    // Row y (0 = first row in the bitmap's own order); null outside the
    // bitmap or without pixels.
    uint8_t *RowPointer(int32_t y);
    const uint8_t *RowPointer(int32_t y) const;
    // Sets pixel (x, y) from 0xAARRGGBB, converted to the depth; nothing
    // outside the bitmap.
    void SetPixel(int32_t x, int32_t y, uint32_t argb);
    // Pixel (x, y) as 0xAARRGGBB (alpha 0xFF when the depth has none); 0 outside.
    uint32_t GetPixel(int32_t x, int32_t y) const;
    // The pixels' address (0 when there are none) and its release.
    uint8_t *Lock();
    void Unlock();

    // Replaces the picture with the Targa file read from the stream at its
    // position, converted to the bitmap's depth (or in the file's own when it
    // has none). False, with the bitmap left empty, when the data is no
    // uncompressed true-colour Targa, is damaged or cut short, or the stream fails.
    bool ImportTarga(KStream &stream);
    // Writes the picture as a Targa file to the stream at its position. With a
    // callback each row comes from it (the bitmap then needs no pixels); else
    // from the bitmap. True when every row was written; false when the callback
    // ended the export (the header and the rows before remain). Throws KXStream
    // kErrFileWrite when the bitmap cannot be written (no depth, a side of 0 or
    // above 65535, no pixels and no callback), and whatever the stream throws.
    bool Export(KStream &file, RowCallback callback = nullptr, void *context = nullptr) const;
    // The picture format for a file name: Targa (kFileTarga) for every name,
    // since Targa is the only format written.
    static int FileFormat(const KFile &file);

private:
    // Byte offset of row y (bitmap order) in the pixels.
    size_t RowOffset(int32_t y) const;

    int32_t itsWidth = 0;
    int32_t itsHeight = 0;
    uint32_t itsFormat;
    uint32_t itsMemory;
    std::vector<uint8_t> itsPixels;
    int32_t itsLocks = 0;
};
