#include "framework/core/storage/ZafStorageFile.h"

#include <climits>
#include <cstring>

namespace {

constexpr ZafInt32 initialCapacity = 60;

} // namespace

ZafStorageFile::ZafStorageFile(int newMode, ZafUInt8 *buffer, ZafInt32 newLength) : mode(newMode)
{
    if (buffer) {
        data = buffer;
        length = newLength < 0 ? 0 : newLength;
        capacity = length;
    } else {
        data = new ZafUInt8[initialCapacity];
        length = 0;
        capacity = initialCapacity;
    }
}

ZafStorageFile::~ZafStorageFile()
{
    delete[] data;
}

int ZafStorageFile::ReadData(void *buffer, int count)
{
    if (count <= 0 || !buffer)
        return 0;
    ZafInt32 available = length - position;
    int moved = count < available ? count : int(available);
    if (moved > 0) {
        std::memcpy(buffer, data + position, size_t(moved));
        position += moved;
    }
    return moved > 0 ? moved : 0;
}

int ZafStorageFile::WriteData(const void *buffer, int count)
{
    if (count <= 0 || !buffer)
        return 0;
    if (count > INT_MAX / 2 - position)
        return 0;   // larger than any buffer the storage can hold
    ZafInt32 needed = position + count;
    if (needed > capacity) {
        ZafInt32 grown = capacity > 0 ? capacity : initialCapacity;
        while (grown < needed)
            grown *= 2;
        ZafUInt8 *larger = new ZafUInt8[size_t(grown)];
        if (length > 0)
            std::memcpy(larger, data, size_t(length));
        delete[] data;
        data = larger;
        capacity = grown;
    }
    std::memcpy(data + position, buffer, size_t(count));
    position += count;
    if (position > length)
        length = position;
    modified = true;
    return count;
}

int ZafStorageFile::Seek(ZafInt32 offset, int whence)
{
    long long target = offset;
    if (whence == 1)
        target += position;
    else if (whence == 2)
        target += length;
    if (target < 0)
        target = 0;
    if (target > length)
        target = length;
    position = ZafInt32(target);
    return 0;
}
