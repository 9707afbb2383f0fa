// VImage: blocks in and out of the pool and the block file, frames through
// the pending gaps, and their times.
#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "imaging/VImagingCodes.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/store/VImageFrame.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
// Shown for a frame that cannot be had.
const uint8_t g_blankFrame[VImageFrame::kPixelBytes] = {};
VImage::BlockReadHook g_blockReadHook;

bool Holds(const VImageBlock &block, int32_t stored)
{
    const int64_t within = int64_t(stored) - block.FirstFrame();
    return within >= 0 && within < block.FrameCount();
}
} // namespace

bool VImage::AddBlock(VImageBlock *block)
{
    if (!block || block->Camera() != itsCamera.Parameter(VCamera::kDevice))
        return false;
    block->SetImage(this);
    block->SetId(itsBlockCount);
    ++itsBlockCount;
    block->SetFirstFrame(TotalFrames());
    itsFrameCount += block->FrameCount();
    itsIndex.Append(block->Id(), block->FirstFrame(), block->FrameCount());
    itsBlocks.Add(block, true);
    FlushBlocks(1);
    SendTopic(kMsgImageBlockAdded);
    return true;
}

int32_t VImage::FlushBlocks(int32_t n)
{
    while (n > 0) {
        VImageBlock *low = itsBlocks.Low();
        if (!low || !WriteBlock(*low))
            break;
        itsBlocks.AdvanceLow();
        --n;
    }
    return n;
}

bool VImage::WriteBlock(VImageBlock &block)
{
    if (!itsBlockFile.IsOpen() || block.Id() < 0)
        return false;
    try {
        itsBlockFile.Seek(int64_t(kBlockBytes) * (block.Id() + 1));
        itsBlockFile.Write(block.Bytes(), kBlockBytes);
        itsWroteUnsaved = true;
        return true;
    } catch (const KX &) {
        return false;
    }
}

bool VImage::ReadFromBlockFile(int32_t i, void *bytes, int32_t count)
{
    if (!itsBlockFile.IsOpen())
        return false;
    try {
        const int64_t at = int64_t(kBlockBytes) * (i + 1);
        if (itsBlockFile.GetSize() < at + kBlockBytes)
            return false;
        itsBlockFile.Seek(at);
        itsBlockFile.ReadExact(bytes, count);
        return true;
    } catch (const KX &) {
        return false;
    }
}

bool VImage::ReadBlock(int32_t i, VImageBlock &block)
{
    std::vector<uint8_t> bytes(kBlockBytes);
    if (!ReadFromBlockFile(i, bytes.data(), kBlockBytes))
        return false;
    block.Load(bytes.data());
    return true;
}

int32_t VImage::IndexBlockFile(int32_t blocks, int32_t headerFrames)
{
    // Only the two words naming a block's frames are read; the probe reads
    // them as the block itself would.
    VImageBlock probe;
    probe.SetImage(this);
    std::vector<VImageBlockIndex::Head> heads;
    heads.reserve(size_t(std::max(blocks, 0)));
    for (int32_t i = 0; i < blocks; ++i) {
        uint32_t words[2] = {0, 0};
        if (!ReadFromBlockFile(i, words, int32_t(sizeof words))) {
            heads.push_back(VImageBlockIndex::Head{-1, 0});  // agrees with no block
            continue;
        }
        probe.SetWord(0, words[0]);
        probe.SetWord(1, words[1]);
        heads.push_back(VImageBlockIndex::Head{probe.FirstFrame(), probe.FrameCount()});
    }
    probe.SetImage(nullptr);
    return itsIndex.Build(heads, headerFrames);
}

VImageBlock *VImage::Block(int32_t i)
{
    if (i < 0 || i >= itsBlockCount)
        return nullptr;
    if (g_blockReadHook)
        g_blockReadHook(i);
    if (VImageBlock *block = itsBlocks[i])
        return block;
    VImageBlockManager *manager = VImageBlockManager::Instance();
    VImageBlock *block = manager ? manager->CheckOutBlock(&itsBlocks, 0) : nullptr;
    if (!block)
        return nullptr;
    block->SetId(i);
    block->SetImage(this);
    if (!ReadBlock(i, *block)) {
        block->SetImage(nullptr);
        manager->ReturnBlock(block);
        return nullptr;
    }
    itsBlocks.Add(block, false);
    return block;
}

VImageBlock *VImage::BlockOfFrame(int32_t stored)
{
    if (stored < 0 || stored >= TotalFrames() || itsBlockCount < 1)
        return nullptr;
    if (itsCamera.IsModel101())
        return Block(stored / itsCamera.FramesPerBlock());
    VImageBlock *block = Block(itsIndex.Find(stored));
    return block && Holds(*block, stored) ? block : nullptr;
}

void VImage::SetBlockReadHook(BlockReadHook hook)
{
    g_blockReadHook = std::move(hook);
}

const uint8_t *VImage::FramePixels(int32_t displayed)
{
    if (displayed < 0 || displayed >= itsFrameCount)
        return nullptr;
    const int32_t stored = StoredFrame(displayed);
    VImageBlock *block = BlockOfFrame(stored);
    const uint8_t *pixels = block ? block->Frame(stored - block->FirstFrame()) : nullptr;
    return pixels ? pixels : g_blankFrame;
}

int32_t VImage::TotalFrames() const
{
    return itsFrameCount + (itsGaps.empty() ? 0 : itsGaps.back().offset);
}

int32_t VImage::StoredFrame(int32_t displayed) const
{
    int32_t offset = 0;
    for (const Gap &gap : itsGaps) {
        if (gap.first > displayed)
            break;
        offset = gap.offset;
    }
    return std::clamp(displayed + offset, 0, std::max(0, TotalFrames() - 1));
}

int32_t VImage::DisplayedFrame(int32_t stored) const
{
    int32_t displayed = stored;
    int32_t previousOffset = 0;
    for (const Gap &gap : itsGaps) {
        if (stored >= gap.first + gap.offset) {
            displayed = stored - gap.offset;
        } else {
            if (stored >= gap.first + previousOffset)
                displayed = gap.first;  // a cut frame shows where its gap is
            break;
        }
        previousOffset = gap.offset;
    }
    return std::clamp(displayed, 0, std::max(0, itsFrameCount - 1));
}

void VImage::UseTemporaryFile(const KString &path)
{
    itsBlockFile.Close();
    itsBlockFile.SetFullName(path);
    OpenBlockFile(itsBlockFile, true);
    itsTemporary = true;
}

int32_t VImage::FrameTicksUnit() const
{
    return (itsFlags & kFlagMade) ? int32_t(VRaceTime::kUnit8) : int32_t(VRaceTime::kTick);
}

VRaceTime VImage::FrameTime(int32_t stored) const
{
    const int32_t step = itsCamera.Parameter(VCamera::kFramesPerStep);
    VImageBlock *block = const_cast<VImage *>(this)->BlockOfFrame(stored);
    if (step <= 0 || !block)
        return VRaceTime();
    const int64_t raw = block->Time(stored - block->FirstFrame()).ToInt64();
    if (raw == 0)
        return VRaceTime();
    const int64_t unit = FrameTicksUnit();
    return VRaceTime(raw, unit, unit * step);
}
