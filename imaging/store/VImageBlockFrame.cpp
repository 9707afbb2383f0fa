// VImageBlock::Frame: frames from the pool cache, or decoded forward from
// the nearest cached reference frame (or from the block's start).
#include "imaging/store/VImageBlock.h"

#include "imaging/store/VImageBlocks.h"
#include "imaging/store/VImageFrame.h"

#include <cstring>

namespace
{
// The first two pool frames from the head other than excluded, reset to block.
bool TakePair(KList &pool, const VImageFrame *excluded, VImageBlock *block, VImageFrame *pair[2])
{
    int taken = 0;
    for (KListItem *item = pool.First(); item && taken < 2; item = pool.Next(item)) {
        auto *frame = static_cast<VImageFrame *>(item);
        if (frame != excluded)
            pair[taken++] = frame;
    }
    if (taken < 2)
        return false;
    pair[0]->Reset(block);
    pair[1]->Reset(block);
    return true;
}
} // namespace

const uint8_t *VImageBlock::Frame(int32_t f)
{
    if (!itsList)
        LogError(L"Frame", L"itsImageBlocks is null");
    else if (itsList->InUse() != this)
        LogError(L"Frame", L"this != itsImageBlocks->inUse");

    KList *pool = VImageFrame::Pool();
    VImageFrame *found = nullptr;
    VImageFrame *reference = nullptr;
    const Format format = BlockFormat();
    if (pool && format != kNoFormat && IsValidFrame(f)) {
        for (KListItem *item = pool->First(); item && !found; item = pool->Next(item)) {
            auto *frame = static_cast<VImageFrame *>(item);
            if (frame->Block() != this)
                continue;
            if (frame->FrameNumber() == f)
                found = frame;
            else if (frame->IsReference() && frame->FrameNumber() < f &&
                     (!reference || frame->FrameNumber() > reference->FrameNumber()))
                reference = frame;
        }
        if (!found && format == kPlain) {
            found = static_cast<VImageFrame *>(pool->First());
            found->Reset(this);
            found->SetFrameNumber(f);
            const int32_t p = FrameLength();
            std::memcpy(found->Pixels(), Bytes() + p * f, size_t(p));
        } else if (!found) {
            found = DecodeForward(*pool, reference, f);
        }
    }
    if (!found) {
        LogError(L"Frame", L"error decompressing");
        return nullptr;
    }
    pool->Remove(found);
    pool->AddItem(found);
    return found->Pixels();
}

VImageFrame *VImageBlock::DecodeForward(KList &pool, VImageFrame *reference, int32_t f)
{
    VImageFrame *pair[2];
    int32_t n = 0;
    if (!reference) {
        if (!TakePair(pool, nullptr, this, pair))
            return nullptr;
        pair[0]->SetBlocketteOffset(kFirstBlockette);
        if (Decode(nullptr, pair[0], pair[1]) != 1)
            return nullptr;
        pair[0]->SetFrameNumber(0);
        pair[0]->SetFlags(VImageFrame::kFlagReference);
        reference = pair[0];
        if (f == 0)
            return reference;
    } else {
        n = reference->FrameNumber();
    }
    while (n < f) {
        const int32_t offset = reference->BlocketteOffset() + BlocketteLength(reference->BlocketteOffset());
        if (!TakePair(pool, reference, this, pair))
            return nullptr;
        pair[0]->SetBlocketteOffset(offset);
        pair[1]->SetBlocketteOffset(offset);
        const int result = Decode(reference, pair[0], pair[1]);
        if (result < 1)
            return nullptr;
        for (int k = 0; k < result; ++k)
            pair[k]->SetFrameNumber(n + 1 + k);
        n += result;
        pair[result - 1]->SetFlags(VImageFrame::kFlagReference);
        reference = pair[result - 1];
        if (n >= f)
            return pair[result - 1 - (n - f)];
    }
    return nullptr;
}
