// The block pool: checkout with reclaim, the choice of blocks given back,
// and the lists handing their blocks back.
#include "imaging/store/VImageBlockManager.h"

#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlocks.h"
#include "imaging/support/ImagingTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
class VImageBlockManagerTest : public ImageStoreTest
{
protected:
    void SetUp() override
    {
        ImageStoreTest::SetUp();
        VImageBlockManager::SetInstance(manager);
    }
    void TearDown() override
    {
        others.clear();
        requester.reset();
        ImageStoreTest::TearDown();  // deletes the manager
    }
    // Fills list with n blocks from the pool, numbered from 0.
    void Fill(VImageBlocks &list, int n)
    {
        for (int i = 0; i < n; ++i) {
            VImageBlock *block = manager->CheckOutBlock(&list, 0);
            ASSERT_NE(block, nullptr);
            block->SetId(i);
            list.Add(block, false);
        }
    }
    VImageBlockManager *manager = new VImageBlockManager(10);
    std::unique_ptr<VImageBlocks> requester = std::make_unique<VImageBlocks>();
    std::vector<std::unique_ptr<VImageBlocks>> others;
};
} // namespace

TEST_F(VImageBlockManagerTest, AnEmptyPoolReclaimsFourBlocksFromAnotherImage)
{
    others.push_back(std::make_unique<VImageBlocks>());
    VImageBlocks &other = *others.back();
    manager->Register(&other);
    manager->Register(requester.get());
    Fill(other, 6);
    Fill(*requester, 4);
    ASSERT_EQ(manager->FreeCount(), 0);

    VImageBlock *block = manager->CheckOutBlock(requester.get(), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->List(), nullptr);
    EXPECT_EQ(manager->FreeCount(), 3);
    EXPECT_EQ(other.Length(), 2);
    EXPECT_EQ(requester->Length(), 4);
    manager->ReturnBlock(block);
    manager->Unregister(&other);
    manager->Unregister(requester.get());
}

TEST_F(VImageBlockManagerTest, TheBlockFarthestFromTheReadingPointGoesBackFirst)
{
    VImageBlockManager::DeleteInstance();
    manager = new VImageBlockManager(60);
    VImageBlockManager::SetInstance(manager);
    VImageBlocks &list = *requester;
    for (int32_t id : {0, 10, 55}) {
        VImageBlock *block = manager->CheckOutBlock(&list, 0);
        block->SetId(id);
        list.Add(block, id == 55);  // 55 is the first unsaved block
    }
    list[50];  // reading at 50 (no such block: none in use)
    int32_t count = 1;
    list.ReturnBlocks(count);
    EXPECT_EQ(count, 0);
    // Candidates: 10 (before the low block) at 40, 0 (the first) at 50.
    EXPECT_EQ(list[0], nullptr);
    EXPECT_NE(list[10], nullptr);

    // Reading at 60: the block before the low one is also the first, and
    // goes; then nothing lies before the low block.
    list[60];
    count = 5;
    list.ReturnBlocks(count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(list.Length(), 1);
    EXPECT_NE(list[55], nullptr);
}

TEST_F(VImageBlockManagerTest, TheLowBlockAndTheBlockInUseAreNeverGivenBack)
{
    VImageBlocks &list = *requester;
    Fill(list, 2);
    list.ClearLow();
    VImageBlock *low = list[1];
    list.Subtract(low);
    list.Add(low, true);
    list[0];  // block 0 in use, block 1 low
    int32_t count = 3;
    list.ReturnBlocks(count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.Length(), 2);
}

TEST_F(VImageBlockManagerTest, ReclaimEndsWhenTheListsHaveLessThanAsked)
{
    others.push_back(std::make_unique<VImageBlocks>());
    manager->Register(others.back().get());
    manager->Register(requester.get());
    Fill(*others.back(), 3);
    Fill(*requester, 7);
    (*others.back())[99];  // nothing in use there
    (*requester)[6];
    // Asked for 20: the other list gives 3, the requester all but its block in use.
    EXPECT_EQ(manager->Reclaim(20, requester.get()), 9);
    EXPECT_EQ(others.back()->Length(), 0);
    EXPECT_EQ(requester->Length(), 1);
    EXPECT_EQ(manager->CheckOutBlock(requester.get(), 9), nullptr);
    manager->Unregister(others.back().get());
    manager->Unregister(requester.get());
}

TEST_F(VImageBlockManagerTest, SubtractingTheLowBlockMovesTheMarkAndFreesTheBlock)
{
    VImageBlocks &list = *requester;
    for (int i = 0; i < 3; ++i) {
        VImageBlock *block = manager->CheckOutBlock(&list, 0);
        block->SetId(i);
        list.Add(block, true);
    }
    VImageBlock *first = list[0];
    EXPECT_EQ(list.Low(), first);
    list.Subtract(first);
    EXPECT_EQ(list.Low(), list[1]);
    EXPECT_EQ(first->List(), nullptr);
    EXPECT_EQ(first->Image(), nullptr);
    manager->ReturnBlock(first);
    list.AdvanceLow();
    EXPECT_EQ(list.Low(), list[2]);
}

TEST_F(VImageBlockManagerTest, AListGoingAwayReturnsItsBlocksToThePool)
{
    Fill(*requester, 4);
    EXPECT_EQ(manager->FreeCount(), 6);
    requester.reset();
    EXPECT_EQ(manager->FreeCount(), 10);
    EXPECT_FALSE(log.Contains("VImageBlockManager"));
}

TEST_F(VImageBlockManagerTest, ListsKeepTheirBlocksConsistentAndLogMisuse)
{
    VImageBlocks &list = *requester;
    list.Add(nullptr, false);
    list.Subtract(nullptr);
    EXPECT_TRUE(log.Contains("VImageBlocks::Add: p null"));
    EXPECT_TRUE(log.Contains("VImageBlocks::Subtract: p null"));
    VImageBlocks elsewhere;
    VImageBlock *block = manager->CheckOutBlock(&list, 0);
    block->SetId(3);
    elsewhere.Add(block, false);
    list.Add(block, false);
    EXPECT_TRUE(log.Contains("VImageBlocks::Add: p->itsImageBlocks not null"));
    EXPECT_EQ(block->List(), &list);
    EXPECT_EQ(elsewhere.Length(), 0);
    elsewhere.Subtract(block);
    EXPECT_TRUE(log.Contains("VImageBlocks::Subtract: p->itsImageBlocks != this"));
    EXPECT_EQ(block->List(), &list);
    list.Subtract(block);
    manager->ReturnBlock(block);
}

TEST_F(VImageBlockManagerTest, DestroyingThePoolWithABlockOutLogsBothCounts)
{
    VImageBlock *block = manager->CheckOutBlock(nullptr, 0);
    ASSERT_NE(block, nullptr);
    VImageBlockManager::DeleteInstance();
    EXPECT_TRUE(log.Contains("VImageBlockManager::~VImageBlockManager: free.Length()(9) != numBlocks(10)"));
    delete block;
}
