#include "imaging/store/VImageBlockIndex.h"

#include <algorithm>

namespace
{
int64_t EndOf(const VImageBlockIndex::Head &head)
{
    return int64_t(head.first) + std::clamp<int32_t>(head.count, 0, VImageBlockIndex::kMaxFramesPerBlock);
}
} // namespace

void VImageBlockIndex::Clear()
{
    itsEntries.clear();
    itsDamaged = 0;
}

void VImageBlockIndex::Append(int32_t block, int32_t first, int32_t count)
{
    if (count <= 0)
        return;
    if (!itsEntries.empty())
        itsEntries.back().end = std::clamp(first, itsEntries.back().first, itsEntries.back().end);
    itsEntries.push_back(Entry{first, int32_t(EndOf(Head{first, count})), block});
}

int32_t VImageBlockIndex::Build(const std::vector<Head> &heads, int32_t headerFrames)
{
    Clear();
    const int32_t n = int32_t(heads.size());
    if (n == 0)
        return 0;
    // Blocks i and i + 1 agree: the second starts where the first ends.
    auto links = [&](int32_t i) {
        return i + 1 < n && int64_t(heads[size_t(i) + 1].first) == EndOf(heads[size_t(i)]);
    };
    int64_t lastStart = -1;  // first frame of the last indexed block
    int32_t lastBlock = -1;
    for (int32_t i = 0, j = 0; i < n; i = j + 1) {
        j = i;
        while (links(j))
            ++j;
        // A lone block is trusted only where the image itself vouches for it:
        // the first block starting at frame 0, the last ending at the header's count.
        const bool vouched = j > i || (i == 0 && heads[0].first == 0) ||
                             (i == n - 1 && EndOf(heads[size_t(i)]) == headerFrames);
        const int64_t start = heads[size_t(i)].first;
        const int64_t reach = lastBlock < 0 ? int64_t(kMaxFramesPerBlock) * i
                                            : lastStart + int64_t(kMaxFramesPerBlock) * (i - lastBlock);
        if (!vouched || start <= lastStart || start > reach) {
            itsDamaged += j - i + 1;
            continue;
        }
        AddRun(heads, i, j);
        lastStart = heads[size_t(j)].first;
        lastBlock = j;
    }
    if (lastBlock == n - 1)
        return int32_t(EndOf(heads[size_t(lastBlock)]));  // the blocks win
    return FramesWithDamagedEnd(heads, lastBlock, headerFrames);
}

int32_t VImageBlockIndex::FramesWithDamagedEnd(const std::vector<Head> &heads, int32_t lastBlock,
                                               int32_t headerFrames)
{
    // The header's count stands when the last intact block and the damaged
    // ones after it could hold it.
    const int32_t n = int32_t(heads.size());
    const int64_t base = lastBlock < 0 ? 0 : heads[size_t(lastBlock)].first;
    const int64_t room = int64_t(kMaxFramesPerBlock) * (n - std::max(lastBlock, 0));
    if (headerFrames >= base && headerFrames <= base + room) {
        if (!itsEntries.empty())
            itsEntries.back().end = std::clamp(headerFrames, itsEntries.back().first, itsEntries.back().end);
        return headerFrames;
    }
    return lastBlock < 0 ? 0 : int32_t(EndOf(heads[size_t(lastBlock)]));
}

void VImageBlockIndex::AddRun(const std::vector<Head> &heads, int32_t i, int32_t j)
{
    for (int32_t k = i; k <= j; ++k)
        Append(k, heads[size_t(k)].first, heads[size_t(k)].count);
}

int32_t VImageBlockIndex::Find(int32_t stored) const
{
    auto after = std::upper_bound(itsEntries.begin(), itsEntries.end(), stored,
                                  [](int32_t frame, const Entry &entry) { return frame < entry.first; });
    if (after == itsEntries.begin())
        return -1;
    --after;
    return stored < after->end ? after->block : -1;
}
