// The local reaction-time detector over the chart's integral array.
#include <gtest/gtest.h>

#include <vector>

#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZSlopeDetector.h"

namespace {

// A flat integral with the given slopes starting at sample from; after the
// listed slopes it keeps the last one.
std::vector<double> Ramp(int from, std::vector<int> slopes)
{
    std::vector<double> v(QVZChartTraces::kSamples, 0.0);
    double level = 0.0;
    for (int i = from; i < QVZChartTraces::kSamples; ++i) {
        const int k = i - from;
        level += slopes[k < int(slopes.size()) ? k : slopes.size() - 1];
        v[i] = level;
    }
    return v;
}

} // namespace

TEST(QVZSlopeDetector, ACleanRampAfterTheSetMaskIsAcceptedAtItsFirstRisingSample)
{
    const auto integral = Ramp(2900, { 20 });
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), {}, 1500), 2900);
}

TEST(QVZSlopeDetector, AnOnsetInsideTheSetMaskIsOnlyAcceptedWithShowBeforeSet)
{
    // r = 1500 ms, mask 0.6 s: onsets earlier than 900 ms before the gun are refused.
    std::vector<int> slopes(50, 20);
    slopes.push_back(0);
    const auto integral = Ramp(2000, slopes);
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), {}, 1500), QVZSlopeDetector::kNone);
    QVZSlopeSettings before;
    before.showBeforeSet = true;
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), before, 1500), 2000);
}

TEST(QVZSlopeDetector, ADipBeforeTheRunIsCompleteStartsANewCandidate)
{
    // Five rising samples, one flat, then a steady rise.
    const auto integral = Ramp(2900, { 20, 20, 20, 20, 20, 0, 20 });
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), {}, 1500), 2906);
}

TEST(QVZSlopeDetector, CheckNegSlopeRejectsAWindowWithAQuarterNotRising)
{
    // Mean slope over 40 samples stays well above 12, but 10 samples are flat.
    std::vector<int> slopes(8, 30);
    for (int i = 0; i < 10; ++i)
        slopes.push_back(0);
    for (int i = 0; i < 40; ++i)
        slopes.push_back(30);
    std::vector<double> integral = Ramp(2900, slopes);
    QVZSlopeSettings s;
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), s, 1500), 2900);
    s.checkNegSlope = true;
    EXPECT_NE(QVZSlopeDetector::Detect(integral.data(), s, 1500), 2900);

    slopes.erase(slopes.begin() + 8); // nine flat samples pass
    integral = Ramp(2900, slopes);
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), s, 1500), 2900);
}

TEST(QVZSlopeDetector, AMeanSlopeBelowTheLeastIsRejected)
{
    // Eight steep samples, then a flat window: the 40-sample mean is 8 x 30 / 40 = 6.
    std::vector<int> slopes(8, 30);
    slopes.push_back(0);
    const auto integral = Ramp(2900, slopes);
    EXPECT_EQ(QVZSlopeDetector::Detect(integral.data(), {}, 1500), QVZSlopeDetector::kNone);
}

TEST(QVZSlopeDetector, OnlyAnAcceptedCandidateIsAnsweredAndOddWindowsFindNothing)
{
    const auto flat = Ramp(0, { 0 });
    EXPECT_EQ(QVZSlopeDetector::Detect(flat.data(), {}, 1500), QVZSlopeDetector::kNone);

    const auto ramp = Ramp(2900, { 20 });
    for (int window : { 5000, 5001, 9000 }) {
        QVZSlopeSettings s;
        s.totalIncSlope = window;
        EXPECT_EQ(QVZSlopeDetector::Detect(ramp.data(), s, 1500), QVZSlopeDetector::kNone) << window;
    }
    for (int window : { 0, -3 }) { // treated as one sample, no division by zero
        QVZSlopeSettings s;
        s.totalIncSlope = window;
        EXPECT_EQ(QVZSlopeDetector::Detect(ramp.data(), s, 1500), QVZSlopeDetector::kNone) << window;
    }
}
