// KBitmap's memory and pixels. The Targa reader and writer are in KBitmapTarga.cpp.
#include "foundation/bitmap/KBitmap.h"

#include "foundation/bitmap/KPixel.h"

#include <new>

namespace {
// A bitmap's pixels are limited so that a size read from a damaged file
// cannot ask for absurd amounts of memory.
constexpr size_t kMaxPixelBytes = size_t(256) * 1024 * 1024;
} // namespace

KBitmap::KBitmap(uint32_t formatFlags, uint32_t memoryFlags) : itsFormat(formatFlags), itsMemory(memoryFlags) {}

KBitmap::KBitmap(int32_t width, int32_t height, uint32_t formatFlags, uint32_t memoryFlags)
    : itsWidth(width > 0 ? width : 0), itsHeight(height > 0 ? height : 0), itsFormat(formatFlags),
      itsMemory(memoryFlags)
{
}

int32_t KBitmap::BytesPerPixel() const { return KPixel::BytesForFormat(itsFormat); }

bool KBitmap::Allocate()
{
    const int32_t bytes = BytesPerPixel();
    if (itsWidth <= 0 || itsHeight <= 0 || bytes == 0)
        return false;
    const size_t size = size_t(itsWidth) * size_t(itsHeight) * size_t(bytes);
    if (size / size_t(itsHeight) / size_t(bytes) != size_t(itsWidth) || size > kMaxPixelBytes)
        return false;
    try {
        itsPixels.assign(size, 0);
    } catch (const std::bad_alloc &) {
        itsPixels.clear();
        return false;
    }
    return true;
}

size_t KBitmap::RowOffset(int32_t y) const { return size_t(y) * size_t(RowBytes()); }

uint8_t *KBitmap::RowPointer(int32_t y)
{
    if (itsPixels.empty() || y < 0 || y >= itsHeight)
        return nullptr;
    return itsPixels.data() + RowOffset(y);
}

const uint8_t *KBitmap::RowPointer(int32_t y) const
{
    return const_cast<KBitmap *>(this)->RowPointer(y);
}

void KBitmap::SetPixel(int32_t x, int32_t y, uint32_t argb)
{
    uint8_t *row = RowPointer(y);
    if (row && x >= 0 && x < itsWidth)
        KPixel::Store(row + size_t(x) * size_t(BytesPerPixel()), BytesPerPixel(), argb);
}

uint32_t KBitmap::GetPixel(int32_t x, int32_t y) const
{
    const uint8_t *row = RowPointer(y);
    if (!row || x < 0 || x >= itsWidth)
        return 0;
    return KPixel::Load(row + size_t(x) * size_t(BytesPerPixel()), BytesPerPixel());
}

uint8_t *KBitmap::Lock()
{
    if (itsPixels.empty())
        return nullptr;
    ++itsLocks;
    return itsPixels.data();
}

void KBitmap::Unlock()
{
    if (itsLocks > 0)
        --itsLocks;
}

int KBitmap::FileFormat(const KFile &) { return kFileTarga; }
