#include "domain/charts/VZoom.h"

#include "domain/QVDomainCodes.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

namespace
{
// Counts the zoom messages that reach the root it stands for.
class ZoomOwner : public KMessageObject
{
public:
    void Handle(const KMessage &message) override
    {
        if (message.Topic() == kMsgZoomChanged)
            ++changes;
    }
    int changes = 0;
};

void ExpectRatio(const VZoom &z, int32_t hn, int32_t hd, int32_t vn, int32_t vd)
{
    EXPECT_EQ(z.HorizontalNumerator(), hn);
    EXPECT_EQ(z.HorizontalDenominator(), hd);
    EXPECT_EQ(z.VerticalNumerator(), vn);
    EXPECT_EQ(z.VerticalDenominator(), vd);
}

VZoom ReadFrom(std::vector<uint32_t> words)
{
    MemoryStream stream;
    for (uint32_t w : words)
        stream.WriteU32(w);
    stream.Rewind();
    VZoom zoom;
    zoom.Read(stream);
    return zoom;
}
}

TEST(VZoom, SetKeepsOddRatiosAndZoomInSnapsToPowersOfTwo)
{
    VZoom z;
    ExpectRatio(z, 1, 1, 1, 1);
    z.SetHorizontal(3, 1, false);
    ExpectRatio(z, 3, 1, 1, 1);
    z.ZoomIn(false);
    ExpectRatio(z, 4, 1, 4, 1);
    EXPECT_EQ(z.HorizontalPercent(), 400);
}

TEST(VZoom, RatiosAreLimitedToOneSixteenthAndTwoHundredFiftySix)
{
    VZoom z;
    z.SetBoth(1, 16, false);
    z.ZoomOut(false);
    ExpectRatio(z, 1, 16, 1, 16);
    EXPECT_TRUE(z.IsHorizontalReduction());
    z.SetBoth(300, 1, false);
    ExpectRatio(z, 256, 1, 256, 1);
    z.SetVertical(0, -5, false);
    EXPECT_GT(z.VerticalNumerator(), 0);
    EXPECT_GT(z.VerticalDenominator(), 0);
    z.SetBoth(125, 100, false);
    EXPECT_TRUE(z.IsFractional());
}

TEST(VZoom, ChangesAreAnnouncedOnceAndRepeatsAreNot)
{
    ZoomOwner owner;
    VZoom z(&owner);
    EXPECT_TRUE(z.SetBoth(2, 1, true));
    EXPECT_FALSE(z.SetBoth(2, 1, true));
    EXPECT_TRUE(z.SetSmooth(true));
    EXPECT_TRUE(z.IsSmooth());
    EXPECT_FALSE(z.SetSmooth(true));
    EXPECT_TRUE(z.ZoomOut(false));
    EXPECT_EQ(owner.changes, 2);
}

TEST(VZoom, RecordRoundTripsAndOldZoomWordsRead)
{
    VZoom z;
    z.SetHorizontal(1, 8, false);
    z.SetVertical(4, 1, false);
    z.SetSmooth(true);
    MemoryStream stream;
    z.Write(stream);
    EXPECT_EQ(stream.Bytes().size(), 28u);
    stream.Rewind();
    VZoom back;
    back.Read(stream);
    EXPECT_TRUE(back.Equals(z));

    ExpectRatio(ReadFrom({uint32_t(-4), 77}), 1, 4, 1, 4);
    ExpectRatio(ReadFrom({256, 0}), 256, 1, 256, 1);
    try {
        ReadFrom({3, 0});
        FAIL() << "an old zoom word 3 was accepted";
    } catch (const KXPersistent &x) {
        EXPECT_EQ(x.Code(), kErrFileVersion);
    }
}
