#include "imaging/store/VImageFrame.h"

#include "imaging/store/VImageBlockManager.h"

#include <gtest/gtest.h>

TEST(VImageFrame, GreyLevelsShowOnTheFullByteRangeAndInvertBack)
{
    VImageFrame::Startup();
    const uint8_t *map = VImageFrame::GreyMap();
    const uint8_t *inverse = VImageFrame::GreyInverse();
    EXPECT_EQ(map[0], 0);
    EXPECT_EQ(map[1], 2);
    EXPECT_EQ(map[92], 252);
    EXPECT_EQ(map[93], 255);
    EXPECT_EQ(inverse[255], 93);
    EXPECT_EQ(inverse[1], 0);
    for (int v = 0; v < VImageFrame::kGreyLevels; ++v)
        EXPECT_EQ(inverse[map[v]], v) << "level " << v;
    // A damaged level byte cannot index past the map.
    EXPECT_EQ(VImageFrame::GreyLevelByte(94), 255);
    EXPECT_EQ(VImageFrame::GreyLevelByte(255), 255);
    VImageFrame::Shutdown();
}

TEST(VImageFrame, StartupMakesFiveEmptyFramesAndShutdownRemovesThemWithTheManager)
{
    VImageFrame::Startup();
    ASSERT_NE(VImageFrame::Pool(), nullptr);
    EXPECT_EQ(VImageFrame::Pool()->Count(), 5);
    for (KListItem *item = VImageFrame::Pool()->First(); item; item = VImageFrame::Pool()->Next(item)) {
        auto *frame = static_cast<VImageFrame *>(item);
        EXPECT_EQ(frame->FrameNumber(), -1);
        EXPECT_EQ(frame->BlocketteOffset(), -1);
        EXPECT_EQ(frame->Block(), nullptr);
    }
    VImageBlockManager::SetInstance(new VImageBlockManager(3));
    VImageFrame::Shutdown();
    EXPECT_EQ(VImageFrame::Pool(), nullptr);
    EXPECT_EQ(VImageBlockManager::Instance(), nullptr);
}
