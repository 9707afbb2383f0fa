#include "imaging/store/VImageBlockManager.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlocks.h"

#include <new>

namespace
{
VImageBlockManager *g_manager = nullptr;
}

VImageBlockManager::VImageBlockManager(int32_t blocks)
{
    for (int32_t i = 0; i < blocks; ++i) {
        auto *block = new (std::nothrow) VImageBlock;
        if (!block)
            break;
        itsFree.AddItem(block);
    }
    itsBlockCount = itsFree.Count();
}

VImageBlockManager::~VImageBlockManager()
{
    if (itsFree.Count() != itsBlockCount) {
        KString text(L"VImageBlockManager::~VImageBlockManager: free.Length()(");
        text.AppendInt(itsFree.Count()).Append(L") != numBlocks(").AppendInt(itsBlockCount).AppendChar(L')');
        if (KLog *log = KProgramLog())
            log->Error(text);
    }
    // The registered lists belong to their images.
    itsLists.RemoveAll();
    if (g_manager == this)
        g_manager = nullptr;
}

void VImageBlockManager::Register(VImageBlocks *list)
{
    VLockHolder holdManager(itsLock);
    VLockHolder hold(list->Lock());
    itsLists.AddItem(list);
}

void VImageBlockManager::Unregister(VImageBlocks *list)
{
    VLockHolder holdManager(itsLock);
    VLockHolder hold(list->Lock());
    itsLists.Remove(list);
}

int32_t VImageBlockManager::FreeCount()
{
    VLockHolder hold(itsLock);
    return itsFree.Count();
}

int32_t VImageBlockManager::Reclaim(int32_t count, VImageBlocks *requester)
{
    VLockHolder hold(itsLock);
    // Each list gives what it can in one call, so a list that cannot give
    // enough never holds up the others.
    for (KListItem *item = itsLists.Last(); item && count > 0; item = itsLists.Previous(item))
        if (item != requester)
            static_cast<VImageBlocks *>(item)->ReturnBlocks(count);
    if (requester && count >= 1)
        requester->ReturnBlocks(count);
    return itsFree.Count();
}

VImageBlock *VImageBlockManager::CheckOutBlock(VImageBlocks *requester, int32_t reserve)
{
    VLockHolder hold(itsLock);
    if (itsFree.Count() <= reserve && Reclaim(reserve - itsFree.Count() + 4, requester) <= reserve)
        return nullptr;
    auto *block = static_cast<VImageBlock *>(itsFree.First());
    if (!block) {
        if (KLog *log = KProgramLog())
            log->Warning(KString(L"VImageBlockManager::CheckOutBlock: block null"));
        return nullptr;
    }
    itsFree.Remove(block);
    block->SetImage(nullptr);
    block->Reset();
    return block;
}

void VImageBlockManager::ReturnBlock(VImageBlock *block)
{
    if (!block)
        return;
    VLockHolder hold(itsLock);
    block->Reset();
    itsFree.AddItem(block);
}

void VImageBlockManager::ReturnList(KList &blocks)
{
    VLockHolder hold(itsLock);
    while (KListItem *item = blocks.First()) {
        static_cast<VImageBlock *>(item)->Reset();
        itsFree.AddItem(item);
    }
}

VImageBlockManager *VImageBlockManager::Instance()
{
    return g_manager;
}

void VImageBlockManager::SetInstance(VImageBlockManager *manager)
{
    g_manager = manager;
}

void VImageBlockManager::DeleteInstance()
{
    delete g_manager;
    g_manager = nullptr;
}
