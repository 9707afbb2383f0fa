#include "imaging/overlays/VRowResampler.h"

#include <gtest/gtest.h>

#include <vector>

using Row8 = std::vector<uint8_t>;
using Row16 = std::vector<uint16_t>;

TEST(VRowResampler, NearestCopyFollowsTheRatioOfTheSteps)
{
    const Row8 source = {10, 20, 30, 40, 50, 60};
    struct Case
    {
        int32_t destinationStep, sourceStep, count;
        Row8 expected;
    } cases[] = {
        {3, 3, 6, {10, 20, 30, 40, 50, 60}},        // one to one
        {1, 2, 6, {10, 10, 20, 20, 30, 30}},        // magnified twice
        {2, 1, 3, {10, 30, 50}},                    // halved
        {1, 2, 14, {10, 10, 20, 20, 30, 30, 40, 40, 50, 50, 60, 60, 60, 60}},  // past the end: the last repeats
    };
    for (const Case &c : cases) {
        Row8 out(size_t(c.count), 0);
        VNearestRow8(out.data(), c.count, source.data(), int32_t(source.size()), 0, c.destinationStep, c.sourceStep);
        EXPECT_EQ(out, c.expected) << c.destinationStep << ":" << c.sourceStep;
    }
    Row16 wide(4);
    const Row16 colours = {0x7C00, 0x03E0};
    VNearestRow16(wide.data(), 4, colours.data(), 2, 0, 1, 2);
    EXPECT_EQ(wide, (Row16{0x7C00, 0x7C00, 0x03E0, 0x03E0}));
}

TEST(VRowResampler, InterpolationBlendsRowsThenNeighbours)
{
    const Row8 a = {0, 100, 200, 100};
    const Row8 b = {100, 100, 100, 100};
    Row8 out(4);
    // Weight 0 and one output per source pixel: row A itself.
    VInterpolateRow8(out.data(), 4, a.data(), b.data(), 4, 0, 4, 4, 0, 3);
    EXPECT_EQ(out, a);
    // Half way between the rows.
    VInterpolateRow8(out.data(), 4, a.data(), b.data(), 4, 0, 4, 4, 1, 2);
    EXPECT_EQ(out, (Row8{50, 100, 150, 100}));
    // Magnified twice: the halves between neighbours.
    Row8 twice(6);
    VInterpolateRow8(twice.data(), 6, a.data(), a.data(), 4, 0, 1, 2, 0, 1);
    EXPECT_EQ(twice, (Row8{0, 50, 100, 150, 200, 150}));
}

TEST(VRowResampler, ColourInterpolationKeepsTheChannelsApart)
{
    const Row16 a = {0x7C00, 0x7C00};
    const Row16 b = {0x001F, 0x001F};
    Row16 out(2);
    VInterpolateRow15(out.data(), 2, a.data(), b.data(), 2, 0, 1, 1, 1, 2);
    EXPECT_EQ(out, (Row16{0x4010, 0x4010}));
}

TEST(VRowResampler, InterpolationToTheRowEndReadsNothingPastIt)
{
    // The row is 4 pixels; the buffer holds a bright sentinel after it.
    const Row8 grey = {10, 20, 30, 40, 255, 255};
    Row8 out(8);
    VInterpolateRow8(out.data(), 8, grey.data(), grey.data(), 4, 0, 1, 2, 0, 1);
    EXPECT_EQ(out, (Row8{10, 15, 20, 25, 30, 35, 40, 40}));

    const Row16 colour = {Row16::value_type(0x0001), 0x0002, 0x7FFF};
    Row16 wide(4);
    VInterpolateRow15(wide.data(), 4, colour.data(), colour.data(), 2, 0, 1, 2, 0, 1);
    EXPECT_EQ(wide, (Row16{1, 2, 2, 2}));
}
