// VImage: hiding stretches of frames (the pending gaps), bringing them back,
// and packing the frames left into new coded blocks.
#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "foundation/log/KLog.h"
#include "imaging/VImagingCodes.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/views/VImageView.h"

#include <algorithm>

namespace
{
// The index of a displayed frame within its blockette and the blockette's
// frame count; false when the frame's block cannot be had.
bool BlocketteOf(VImage &image, int32_t displayed, int32_t &within, int32_t &frames, VImageBlock **block,
                 int32_t *offset)
{
    const int32_t stored = image.StoredFrame(displayed);
    VImageBlock *b = image.BlockOfFrame(stored);
    if (!b)
        return false;
    within = stored - b->FirstFrame();
    const int32_t o = b->FindBlockette(within);
    frames = b->BlocketteFrames(o);
    if (block)
        *block = b;
    if (offset)
        *offset = o;
    return true;
}

void LogCreateBlock(const wchar_t *condition)
{
    if (KLog *log = KProgramLog())
        log->Consistency(L"VImage", L"CreateBlock", condition);
}
} // namespace

int32_t VImage::CutFrames(int32_t firstX, int32_t lastX, const VImageView &view, bool withMarks)
{
    if (!(firstX < lastX && firstX >= 0 && lastX < ZoomedWidth(view.Zoom())))
        return 0;
    int32_t s = ViewToFrame(firstX, view.Zoom());
    int32_t t = ViewToFrame(lastX, view.Zoom());
    if (s > t)
        std::swap(s, t);
    t = std::min(t, itsFrameCount - 1);
    if (withMarks)
        ViewsToStored();
    const int32_t cut = CutDisplayed(s, t);
    if (withMarks) {
        ViewsFromStored();
        ClipViewMarks();
    }
    return cut;
}

int32_t VImage::CutDisplayed(int32_t s, int32_t t)
{
    if (s < 0 || t >= itsFrameCount || s > t)
        return 0;
    if (itsCamera.IsModel102()) {
        // Whole blockettes only: a delta frame cannot lose its reference.
        int32_t within = 0, frames = 0;
        while (s <= t && BlocketteOf(*this, s, within, frames, nullptr, nullptr) && within != 0)
            ++s;
        while (t >= s && BlocketteOf(*this, t, within, frames, nullptr, nullptr) && within != frames - 1)
            --t;
        if (t <= s)
            return 0;
        VImageBlock *first = nullptr, *last = nullptr;
        int32_t firstOffset = 0, lastOffset = 0;
        if (!BlocketteOf(*this, s, within, frames, &first, &firstOffset) ||
            !BlocketteOf(*this, t, within, frames, &last, &lastOffset))
            return 0;
        // The frame after the cut is stored later as a plain blockette: the
        // stretch must leave room for one.
        if (first == last) {
            const int32_t end = lastOffset + last->BlocketteLength(lastOffset);
            if (end - firstOffset < first->PlainBlocketteLength(1))
                return 0;
        }
    }
    const int32_t n = t - s + 1;
    size_t at = 0;
    while (at < itsGaps.size() && itsGaps[at].first < s)
        ++at;
    int32_t carried = at > 0 ? itsGaps[at - 1].offset : 0;
    size_t merged = at;
    while (merged < itsGaps.size() && itsGaps[merged].first <= t + 1)
        carried = itsGaps[merged++].offset;
    itsGaps.erase(itsGaps.begin() + long(at), itsGaps.begin() + long(merged));
    itsGaps.insert(itsGaps.begin() + long(at), Gap{s, t + carried - s + 1});
    for (size_t i = at + 1; i < itsGaps.size(); ++i) {
        itsGaps[i].first -= n;
        itsGaps[i].offset += n;
    }
    itsFrameCount -= n;
    SendTopic(kMsgTopicImage);
    return n;
}

void VImage::RestoreFrames()
{
    ViewsToStored();
    if (!itsGaps.empty()) {
        itsCropPosition = std::min(itsCropPosition, itsGaps.front().first);
        itsFrameCount = TotalFrames();
        itsGaps.clear();
    }
    ViewsFromStored();
    ClipViewMarks();
    SendTopic(kMsgTopicImage);
}

bool VImage::CreateBlock(VImageBlock *destination, bool restart, int32_t &sourceBlock)
{
    if (restart)
        itsPackSource = itsPackCounter = 0;
    if (itsPackCounter >= itsFrameCount)
        return false;
    int32_t f = StoredFrame(itsPackCounter);
    VImageBlock *source = nullptr;
    for (; itsPackSource < itsBlockCount; ++itsPackSource) {
        source = Block(itsPackSource);
        if (!source)
            throw KXStream(kErrFileAccess);
        const int64_t within = int64_t(f) - source->FirstFrame();
        if (within >= 0 && within < source->FrameCount())
            break;
        source = nullptr;
    }
    if (!source) {
        LogCreateBlock(L"didn't find trueFrameNum");
        throw KXPersistent(kErrFileContents);
    }
    const int32_t start = itsPackCounter;
    int32_t offset = VImageBlock::kFirstBlockette, copied = 0, previous = -10, previousFrames = 0;
    while (itsPackCounter < itsFrameCount) {
        int32_t within = f - source->FirstFrame();
        if (within < 0 || within >= source->FrameCount())
            break;
        int32_t index = within;
        const int32_t o = source->FindBlockette(index);
        // A blockette is copied as it is only when its frames run on from the
        // last copy and it starts here; otherwise the frame is stored plain.
        const bool runsOn = f == previous + previousFrames && index == 0;
        const int32_t need = runsOn ? source->BlocketteLength(o)
                                    : source->PlainBlocketteLength(source->BlocketteAveraging(o));
        // A blockette that does not fit ends this block; the next one takes it.
        if (offset + need > VImageBlock::kChecksumWord && copied > 0)
            break;
        int32_t frames = 0;
        const bool done = runsOn ? source->CopyBlockette(destination, offset, frames, within)
                                 : source->CopyFrameAsRaw(destination, offset, frames, within);
        if (!done || frames < 1)
            throw KXPersistent(kErrFileContents);
        copied += frames;
        itsPackCounter += frames;
        previous = f;
        previousFrames = frames;
        f = StoredFrame(itsPackCounter);
        // The source's list block in use follows the frames read.
        Block(itsPackSource);
    }
    if (destination) {
        destination->SetFirstFrame(start);
        destination->SetFrameCount(copied);
        destination->SetPixelMode(source->PixelMode());
        destination->SetCamera(source->Camera());
        destination->SetChecksum();
    }
    if (offset > VImageBlock::kWords)
        LogCreateBlock(L"dstOffset too big");
    sourceBlock = itsPackSource;
    return true;
}
