#include "imaging/store/VImageFrame.h"

#include "imaging/store/VImageBlockManager.h"

namespace
{
uint8_t g_greyMap[VImageFrame::kGreyLevels];
uint8_t g_greyInverse[256];
bool g_greyMapBuilt = false;
KList *g_pool = nullptr;

void BuildGreyMap()
{
    for (uint8_t &entry : g_greyInverse)
        entry = 0;
    for (int v = 0; v < VImageFrame::kGreyLevels; ++v) {
        g_greyMap[v] = uint8_t(v * 255 / (VImageFrame::kGreyLevels - 1));
        g_greyInverse[g_greyMap[v]] = uint8_t(v);
    }
    g_greyMapBuilt = true;
}
} // namespace

void VImageFrame::Reset(VImageBlock *block)
{
    itsFlags = 0;
    itsFrameNumber = -1;
    itsBlocketteOffset = -1;
    itsBlock = block;
}

void VImageFrame::Startup()
{
    BuildGreyMap();
    if (!g_pool) {
        g_pool = new KList;
        for (int i = 0; i < kPoolSize; ++i)
            g_pool->AddItem(new VImageFrame);
    }
}

void VImageFrame::Shutdown()
{
    VImageBlockManager::DeleteInstance();
    delete g_pool;
    g_pool = nullptr;
}

const uint8_t *VImageFrame::GreyMap()
{
    if (!g_greyMapBuilt)
        BuildGreyMap();
    return g_greyMap;
}

const uint8_t *VImageFrame::GreyInverse()
{
    if (!g_greyMapBuilt)
        BuildGreyMap();
    return g_greyInverse;
}

uint8_t VImageFrame::GreyLevelByte(uint8_t level)
{
    return GreyMap()[level < kGreyLevels ? level : kGreyLevels - 1];
}

KList *VImageFrame::Pool()
{
    return g_pool;
}

void VImageFrame::ForgetBlock(const VImageBlock *block)
{
    if (!g_pool || !block)
        return;
    for (KListItem *item = g_pool->First(); item; item = g_pool->Next(item)) {
        auto *frame = static_cast<VImageFrame *>(item);
        if (frame->Block() == block)
            frame->Reset(nullptr);
    }
}
