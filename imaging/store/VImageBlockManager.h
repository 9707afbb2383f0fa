#pragma once
// VImageBlockManager: the pool of image blocks shared by every image. Images
// register their block lists; a checkout that finds the pool at its reserve
// first reclaims blocks from other images (those far from where they are
// being read). At most one exists, reached through Instance(); the image
// store's shut-down (VImageFrame::Shutdown) deletes it. Any thread; its lock
// is taken before a block list's lock.

#include "foundation/containers/KList.h"
#include "foundation/threads/KMutex.h"

#include <cstdint>

class VImageBlock;
class VImageBlocks;

class VImageBlockManager
{
public:
    // Makes up to blocks blocks, stopping at the first that cannot be had.
    explicit VImageBlockManager(int32_t blocks);
    VImageBlockManager(const VImageBlockManager &) = delete;
    VImageBlockManager &operator=(const VImageBlockManager &) = delete;
    // Deletes the pool's blocks; logs when some are still checked out.
    ~VImageBlockManager();

    void Register(VImageBlocks *list);
    void Unregister(VImageBlocks *list);
    int32_t BlockCount() const { return itsBlockCount; }
    int32_t FreeCount();
    // Asks the other lists (the requester last) for count blocks; answers
    // the free count afterwards.
    int32_t Reclaim(int32_t count, VImageBlocks *requester);
    // A free block (image and list cleared), none when the pool stays at or
    // below reserve after reclaiming. The caller adds it to its list.
    VImageBlock *CheckOutBlock(VImageBlocks *requester, int32_t reserve);
    void ReturnBlock(VImageBlock *block);
    // Moves every block of a plain list of blocks to the free list.
    void ReturnList(KList &blocks);

    KMutex &Lock() { return itsLock; }

    // The program's manager, none when there is none.
    static VImageBlockManager *Instance();
    static void SetInstance(VImageBlockManager *manager);
    static void DeleteInstance();

private:
    KMutex itsLock;
    int32_t itsBlockCount = 0;
    KList itsLists;
    KList itsFree;
};

// Holds a KMutex for a scope.
class VLockHolder
{
public:
    explicit VLockHolder(KMutex &mutex) : itsMutex(mutex) { itsMutex.Lock(0, -1); }
    VLockHolder(const VLockHolder &) = delete;
    VLockHolder &operator=(const VLockHolder &) = delete;
    ~VLockHolder() { itsMutex.Unlock(); }

private:
    KMutex &itsMutex;
};
