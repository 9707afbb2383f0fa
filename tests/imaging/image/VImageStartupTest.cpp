#include "imaging/image/VImage.h"

#include "domain/timing/VRaceTime.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"
#include "imaging/VImagingCodes.h"

#include <gtest/gtest.h>

TEST(VImageStartup, TakesThePrintStepsWidestFirstAndFindsThePrintLineColour)
{
    KRegistry settings;
    settings.Parse(L"\\Event\\Image\\Selection\\PrintLineColor:Int=2");
    QVSetSettings(&settings);
    VImage::Startup();
    EXPECT_EQ(VImage::PrintTimeStep(0), VRaceTime::kSecond);
    EXPECT_EQ(VImage::PrintTimeStep(1), VRaceTime::kTenth);
    EXPECT_EQ(VImage::PrintTimeStep(2), VRaceTime::kHundredth);
    EXPECT_EQ(VImage::PrintTimeStep(3), 0);
    ASSERT_NE(VImage::PrintLineColorNode(), nullptr);
    EXPECT_EQ(VImage::PrintLineColorNode()->Value(), 2);
    VImage::Shutdown();
    EXPECT_EQ(VImage::PrintLineColorNode(), nullptr);
    QVSetSettings(nullptr);

    // Without settings the start-up still runs; the built-in colour applies.
    VImage::Startup();
    EXPECT_EQ(VImage::PrintLineColorNode(), nullptr);
    VImage::Shutdown();
}
