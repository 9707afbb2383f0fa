// A window object's place in the hardware view: taken with the view, handed
// on to the next view, given back when the object goes, and only while the
// place still names the object.
#include <gtest/gtest.h>

#include <memory>

#include "imaging/VZHardwareViewPlace.h"

namespace {

class Lanes : public VHardwareLanesHook
{
public:
    void LanesChanged() override {}
};

using LanePlace = VZHardwareViewPlace<VHardwareLanesHook>;

TEST(HardwareViewPlace, MovesWithItsHolderAndLeavesANewerHolderInPlace)
{
    VHardwareView first(nullptr), second(nullptr);
    Lanes older, newer;
    auto place = std::make_unique<LanePlace>(&VHardwareView::LaneBar, &VHardwareView::SetLaneBar);
    place->Take(&first, &older);
    EXPECT_EQ(&older, first.LaneBar());

    LanePlace later(&VHardwareView::LaneBar, &VHardwareView::SetLaneBar);
    later.Take(&first, &newer);
    place->Take(&second, &older);
    EXPECT_EQ(&newer, first.LaneBar()) << "moving on took the place from its newer holder";
    EXPECT_EQ(&older, second.LaneBar());

    place.reset();
    EXPECT_EQ(nullptr, second.LaneBar()) << "the place outlived its holder";
    later.Take(nullptr, &newer);
    EXPECT_EQ(nullptr, first.LaneBar());
}

} // namespace
