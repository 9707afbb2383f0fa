#include "imaging/store/VImageBlocks.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"

#include <cstdio>
#include <cstdlib>

namespace
{
void LogError(const wchar_t *method, const wchar_t *condition)
{
    if (KLog *log = KProgramLog())
        log->Consistency(L"VImageBlocks", method, condition);
}

VImageBlock *AsBlock(KListItem *item)
{
    return static_cast<VImageBlock *>(item);
}
} // namespace

VImageBlocks::~VImageBlocks()
{
    ReleaseAll();
}

int32_t VImageBlocks::Length()
{
    VLockHolder hold(itsLock);
    return itsBlocks.Count();
}

VImageBlock *VImageBlocks::operator[](int32_t index)
{
    VLockHolder hold(itsLock);
    auto *block = static_cast<VImageBlock *>(itsBlocks.Find(index));
    itsInUse = block;
    itsCurrentIndex = index;
    if (block && block->List() != this)
        LogError(L"operator[]", L"p->itsImageBlocks != this");
    return block;
}

void VImageBlocks::Add(VImageBlock *block, bool markLow)
{
    if (!block) {
        LogError(L"Add", L"p null");
        return;
    }
    {
        VLockHolder hold(itsLock);
        if (block->List())
            LogError(L"Add", L"p->itsImageBlocks not null");
        block->SetList(this);
        itsBlocks.AddItem(block);
        if (markLow && !itsLow)
            itsLow = block;
    }
    VImageBlock *found = (*this)[block->Id()];
    if (found != block) {
        wchar_t text[80];
        swprintf(text, 80, L"VImageBlocks::Add t(%p) != p(%p)", static_cast<void *>(found),
                 static_cast<void *>(block));
        if (KLog *log = KProgramLog())
            log->Error(KString(text));
    }
}

void VImageBlocks::Subtract(VImageBlock *block)
{
    if (!block) {
        LogError(L"Subtract", L"p null");
        return;
    }
    VLockHolder hold(itsLock);
    if (block->List() != this)
        LogError(L"Subtract", L"p->itsImageBlocks != this");
    // A block another list holds stays as it is there.
    if (block->Owner() == &itsBlocks)
        Detach(block);
}

void VImageBlocks::Detach(VImageBlock *block)
{
    if (block == itsInUse)
        itsInUse = nullptr;
    if (block == itsLow)
        itsLow = AsBlock(itsBlocks.Next(block));
    itsBlocks.Remove(block);
    block->SetImage(nullptr);
    block->Reset();
}

void VImageBlocks::AdvanceLow()
{
    VLockHolder hold(itsLock);
    if (itsLow)
        itsLow = AsBlock(itsBlocks.Next(itsLow));
}

void VImageBlocks::ClearLow()
{
    VLockHolder hold(itsLock);
    itsLow = nullptr;
}

void VImageBlocks::ReturnAll()
{
    ReleaseAll();
}

void VImageBlocks::ReleaseAll()
{
    VImageBlockManager *manager = VImageBlockManager::Instance();
    if (manager)
        manager->Lock().Lock(0, -1);
    KList released;
    {
        VLockHolder hold(itsLock);
        while (KListItem *item = itsBlocks.First()) {
            Detach(AsBlock(item));
            released.AddItem(item);
        }
        itsLow = itsInUse = nullptr;
    }
    if (manager) {
        manager->ReturnList(released);
        manager->Lock().Unlock();
    } else {
        // Without a manager the blocks belong to whoever made them.
        released.RemoveAll();
    }
}

void VImageBlocks::ReturnBlocks(int32_t &count)
{
    VImageBlockManager *manager = VImageBlockManager::Instance();
    if (!manager)
        return;
    VLockHolder holdManager(manager->Lock());
    VLockHolder hold(itsLock);
    KList given;
    while (count > 0) {
        KListItem *a = itsLow ? itsBlocks.Previous(itsLow) : itsBlocks.Last();
        if (a && a == itsInUse)
            a = itsBlocks.Previous(a);
        if (!a)
            break;
        KListItem *b = itsBlocks.First();
        if (b == itsInUse)
            b = itsBlocks.Next(b);
        const auto distance = [this](KListItem *item) {
            return std::abs(itsCurrentIndex - AsBlock(item)->Id());
        };
        VImageBlock *back = AsBlock(!b || distance(a) > distance(b) ? a : b);
        Detach(back);
        given.AddItem(back);
        --count;
    }
    manager->ReturnList(given);
}
