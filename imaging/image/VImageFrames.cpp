// VImage: blocks in and out of the pool and the block file, frames through
// the pending gaps, and their times.
#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "imaging/VImagingCodes.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/store/VImageFrame.h"

#include <algorithm>
#include <vector>

namespace
{
// Shown for a frame that cannot be had.
const uint8_t g_blankFrame[VImageFrame::kPixelBytes] = {};

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
        return true;
    } catch (const KX &) {
        return false;
    }
}

bool VImage::ReadBlock(int32_t i, VImageBlock &block)
{
    if (!itsBlockFile.IsOpen())
        return false;
    try {
        const int64_t at = int64_t(kBlockBytes) * (i + 1);
        if (itsBlockFile.GetSize() < at + kBlockBytes)
            return false;
        std::vector<uint8_t> bytes(kBlockBytes);
        itsBlockFile.Seek(at);
        itsBlockFile.ReadExact(bytes.data(), kBlockBytes);
        block.Load(bytes.data());
        return true;
    } catch (const KX &) {
        return false;
    }
}

VImageBlock *VImage::Block(int32_t i)
{
    if (i < 0 || i >= itsBlockCount)
        return nullptr;
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
    int32_t b = std::clamp(itsLastBlock, 0, itsBlockCount - 1);
    int32_t step = 0;
    int direction = 0;
    bool turned = false;
    VImageBlock *block = Block(b);
    for (int32_t tries = 0; block && !Holds(*block, stored) && tries < itsBlockCount; ++tries) {
        const int wanted = stored < block->FirstFrame() ? -1 : 1;
        if (direction == -wanted)
            turned = true;
        step = std::max(1, turned ? step / 2 : step * 2);
        b = std::clamp(b + wanted * step, 0, itsBlockCount - 1);
        direction = wanted;
        block = Block(b);
    }
    if (!block || !Holds(*block, stored))
        return nullptr;
    itsLastBlock = b;
    return block;
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
