#pragma once
// VImageBlockIndex: which block of a coded image holds each stored frame.
// A coded block names its own frames: the number of its first frame (word 1)
// and its frame count (word 0). The index is built once when an image is
// read, from those two numbers of every block, and grows block by block while
// a capture adds blocks. Finding a frame is then a binary search that reads
// no block, whatever the number of blocks.
//
// A block is damaged when its numbers agree with neither neighbour (its first
// frame is not where the previous block ends, and the next block does not
// start where it ends), or when a run of agreeing blocks starts before the
// blocks already indexed or further on than the blocks between could hold.
// Damaged blocks are left out: their frames belong to no block and show blank.
// Owned by its image; GUI thread.

#include <cstdint>
#include <vector>

class VImageBlockIndex
{
public:
    // Most frames one block can hold.
    static constexpr int32_t kMaxFramesPerBlock = 4000;

    // What a block says of itself: its first frame and its frame count.
    struct Head
    {
        int32_t first;
        int32_t count;
    };

    void Clear();
    // Block number block, added after every indexed block, holds count frames from first.
    void Append(int32_t block, int32_t first, int32_t count);
    // Rebuilds the index from the heads of blocks 0..n-1. headerFrames is
    // the frame count the image's header gives; it counts only when the last
    // blocks are damaged (the blocks win otherwise). Answers the image's
    // frame count.
    int32_t Build(const std::vector<Head> &heads, int32_t headerFrames);
    // The block holding a stored frame; -1 when no intact block holds it.
    int32_t Find(int32_t stored) const;
    // Blocks left out as damaged by the last Build.
    int32_t DamagedCount() const { return itsDamaged; }

private:
    struct Entry
    {
        int32_t first;  // first frame held
        int32_t end;    // one past the last frame held
        int32_t block;
    };
    // Indexes blocks i..j, one run of agreeing blocks.
    void AddRun(const std::vector<Head> &heads, int32_t i, int32_t j);
    // The frame count when the blocks after lastBlock (-1: all) are damaged.
    int32_t FramesWithDamagedEnd(const std::vector<Head> &heads, int32_t lastBlock, int32_t headerFrames);

    std::vector<Entry> itsEntries;  // ascending, not overlapping
    int32_t itsDamaged = 0;
};
