#pragma once
// KStreamBuffer: the memory a file stream reads into or writes from. A block
// of kKeptFrom to kKeptUpTo bytes is kept for the process when its buffer
// goes, and the next such buffer that fits in it takes it over: a save or an
// open then does not pay again for memory the system must hand over page by
// page. Smaller buffers come and go with the heap. The bytes are not cleared
// when made. Any thread; one buffer belongs to one stream.

#include <cstdint>
#include <cstring>

class KStreamBuffer
{
public:
    static constexpr int32_t kKeptFrom = 64 * 1024;
    static constexpr int32_t kKeptUpTo = 1024 * 1024;

    explicit KStreamBuffer(int32_t size);
    ~KStreamBuffer();
    KStreamBuffer(const KStreamBuffer &) = delete;
    KStreamBuffer &operator=(const KStreamBuffer &) = delete;

    uint8_t *Data() const { return itsData; }

    // Copies count bytes into a buffer. The typed values (a few bytes each,
    // tens of thousands of them in a document) are copied in place: calling
    // the library's copy costs more than such a value.
    static void Copy(uint8_t *to, const void *from, int32_t count)
    {
        const uint8_t *bytes = static_cast<const uint8_t *>(from);
        if (count > 8) {
            std::memcpy(to, bytes, size_t(count));
            return;
        }
        for (int32_t i = 0; i < count; ++i)
            to[i] = bytes[i];
    }

private:
    void *itsBlock;     // the block's size, then its bytes
    uint8_t *itsData;
};
