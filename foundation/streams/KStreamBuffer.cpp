// KStreamBuffer: one kept block, taken and given back by atomic exchange.
#include "foundation/streams/KStreamBuffer.h"

#include <atomic>
#include <new>

namespace
{
// A block: its size, then its bytes (16 bytes in, so they stay aligned).
struct Block
{
    int32_t capacity;
    int32_t unused[3];
};

uint8_t *Bytes(Block *block) { return reinterpret_cast<uint8_t *>(block + 1); }

Block *Make(int32_t capacity)
{
    Block *block = static_cast<Block *>(::operator new(sizeof(Block) + size_t(capacity)));
    block->capacity = capacity;
    return block;
}

void Free(Block *block) { ::operator delete(static_cast<void *>(block)); }

bool Keepable(int32_t capacity)
{
    return capacity >= KStreamBuffer::kKeptFrom && capacity <= KStreamBuffer::kKeptUpTo;
}

// The kept block (null while a buffer uses it, or before any was kept). It
// lives as long as the process: buffers may still go while statics end.
std::atomic<Block *> &KeptBlock()
{
    static std::atomic<Block *> kept{nullptr};
    return kept;
}
} // namespace

KStreamBuffer::KStreamBuffer(int32_t size)
{
    Block *block = nullptr;
    if (Keepable(size)) {
        block = KeptBlock().exchange(nullptr);
        if (block && block->capacity < size) {
            Free(block);
            block = nullptr;
        }
    }
    if (!block)
        block = Make(size);
    itsBlock = block;
    itsData = Bytes(block);
}

KStreamBuffer::~KStreamBuffer()
{
    Block *block = static_cast<Block *>(itsBlock);
    if (Keepable(block->capacity))
        block = KeptBlock().exchange(block);
    Free(block);
}
