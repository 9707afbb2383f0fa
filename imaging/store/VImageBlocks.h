#pragma once
// VImageBlocks: the blocks one image holds, found by id (the block's number
// within the image), with the two marks the block manager reclaims by: the
// low block (the first one not yet written to the image's block file) and
// the block most recently looked up (in use, at the current index). The
// blocks belong to the block manager's pool: the list hands them back to it,
// never deletes them. Guarded by its own lock; when both are taken the
// manager's lock comes first.

#include "foundation/containers/KList.h"
#include "foundation/containers/KSparseArray.h"
#include "foundation/threads/KMutex.h"

#include <cstdint>

class VImageBlock;

class VImageBlocks : public KListItem
{
public:
    VImageBlocks() = default;
    // Gives every block back to the block manager (without one the blocks
    // are only let go: they belong to whoever made them).
    ~VImageBlocks() override;

    int32_t Length();
    // The block with that id, none when absent; it becomes the block in use.
    VImageBlock *operator[](int32_t index);
    // Takes block (its list becomes this one); with markLow it becomes the
    // low block when none is set.
    void Add(VImageBlock *block, bool markLow);
    // Lets block go (image and list cleared); the marks move past it.
    void Subtract(VImageBlock *block);

    VImageBlock *Low() const { return itsLow; }
    void AdvanceLow();
    void ClearLow();
    VImageBlock *InUse() const { return itsInUse; }
    int32_t CurrentIndex() const { return itsCurrentIndex; }

    // Moves every block to the manager's free list.
    void ReturnAll();
    // Gives up to count blocks back to the manager, those farthest from the
    // current index first, never the low block, those after it or the block
    // in use; count drops by the number given.
    void ReturnBlocks(int32_t &count);

    KMutex &Lock() { return itsLock; }

private:
    // Takes block out of the list and clears its fields (lock held).
    void Detach(VImageBlock *block);
    // Lets every block go to free (or nowhere without a manager).
    void ReleaseAll();

    KMutex itsLock;
    KSparseArray itsBlocks;
    VImageBlock *itsLow = nullptr;
    VImageBlock *itsInUse = nullptr;
    int32_t itsCurrentIndex = 0;
};
