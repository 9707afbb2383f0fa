#pragma once
// KStreamBuffer: the memory a file stream reads into or writes from. A block
// of kKeptFrom to kKeptUpTo bytes is kept for the process when its buffer
// goes, and the next such buffer that fits in it takes it over: a save or an
// open then does not pay again for memory the system must hand over page by
// page. Smaller buffers come and go with the heap. The bytes are not cleared
// when made. Any thread; one buffer belongs to one stream.

#include <cstdint>

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

private:
    void *itsBlock;     // the block's size, then its bytes
    uint8_t *itsData;
};
