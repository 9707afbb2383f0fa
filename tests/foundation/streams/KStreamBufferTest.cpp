#include "foundation/streams/KStreamBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(KStreamBuffer, BuffersInUseAtOnceNeverShareTheirBytesAlsoWhenOneTakesTheKeptBlock)
{
    const int32_t large = KStreamBuffer::kKeptFrom * 2;
    // A buffer that goes leaves its block kept for the next.
    std::unique_ptr<KStreamBuffer> first(new KStreamBuffer(large));
    first.reset();
    KStreamBuffer a(large), b(large), c(KStreamBuffer::kKeptFrom);
    std::memset(a.Data(), 'a', size_t(large));
    std::memset(b.Data(), 'b', size_t(large));
    std::memset(c.Data(), 'c', size_t(KStreamBuffer::kKeptFrom));
    EXPECT_EQ(a.Data()[0], 'a');
    EXPECT_EQ(a.Data()[large - 1], 'a');
    EXPECT_EQ(b.Data()[0], 'b');
    EXPECT_EQ(b.Data()[large - 1], 'b');
}

TEST(KStreamBuffer, ABufferLargerThanTheKeptBlockGetsAllItsBytes)
{
    { KStreamBuffer small(KStreamBuffer::kKeptFrom); }
    const int32_t size = KStreamBuffer::kKeptUpTo;
    KStreamBuffer large(size);
    KStreamBuffer other(KStreamBuffer::kKeptFrom);
    std::memset(other.Data(), 'o', size_t(KStreamBuffer::kKeptFrom));
    std::memset(large.Data(), 'l', size_t(size));
    EXPECT_EQ(other.Data()[KStreamBuffer::kKeptFrom - 1], 'o');
    EXPECT_EQ(large.Data()[size - 1], 'l');
}
