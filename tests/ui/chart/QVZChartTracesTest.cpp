// The chart's data pipeline: filtering, summing and integrating a trial's
// trace, the power scale and the time window, without any window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "foundation/registry/KRegistry.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/common/QVZCommands.h"

namespace {

constexpr int kSamples = QVZChartTraces::kSamples;

// Fresh arrays (they are large; keep them off the stack).
std::unique_ptr<QVZChartTraces> Traces()
{
    return std::make_unique<QVZChartTraces>();
}

// A summed-mode trace whose integral peaks at about peak: X holds one
// sample of height peak at sample 2000, Y is 0, and the integral is 1 wide.
std::unique_ptr<QVZChartTraces> Peak(int peak, QVZChartSettings &s)
{
    auto t = Traces();
    t->RawX()[2000] = peak;
    s.sumIntegral = 1;
    t->ComputeFromRaw(s, kCmdChartSummedXY);
    return t;
}

} // namespace

TEST(QVZChartTraces, PowerScaleTakesTenPercentHeadroomRoundedUpOrTheDefaultBelowTheMinimum)
{
    struct Case { int peak; int scale; } cases[] = {
        { 2345, 3000 }, // 2579 rounded up
        { 400, 2000 },  // below 500: default 1000, then 1100 rounded up
        { 500, 1000 },  // 550 rounded up
        { 0, 2000 },    // an empty trial takes the default too
    };
    for (const Case &c : cases) {
        QVZChartSettings s;
        auto t = Peak(c.peak, s);
        EXPECT_EQ(t->RaisedScale(0, s, kCmdChartSummedXY), c.scale) << "peak " << c.peak;
    }
}

TEST(QVZChartTraces, AnOverlayTraceThatDoesNotRaiseTheScaleLeavesItUnchanged)
{
    QVZChartSettings s;
    auto first = Peak(2345, s);
    const int scale = first->RaisedScale(0, s, kCmdChartSummedXY);
    auto equal = Peak(scale, s);
    EXPECT_EQ(equal->RaisedScale(scale, s, kCmdChartSummedXY), scale);
    auto lower = Peak(1200, s);
    EXPECT_EQ(lower->RaisedScale(scale, s, kCmdChartSummedXY), scale);
    auto higher = Peak(3500, s);
    EXPECT_EQ(higher->RaisedScale(scale, s, kCmdChartSummedXY), 4000);
}

TEST(QVZChartTraces, TheScaleComesFromTheArrayShownInEveryMode)
{
    QVZChartSettings s;
    auto t = Traces();
    std::fill(t->RawX(), t->RawX() + kSamples, 2345.0);
    std::fill(t->RawY(), t->RawY() + kSamples, 100.0);
    struct Case { int mode; int scale; } cases[] = {
        { kCmdChartRawX, 3000 }, { kCmdChartFilteredX, 3000 },
        { kCmdChartRawY, 2000 }, { kCmdChartFilteredY, 2000 },
    };
    for (const Case &c : cases) {
        t->ComputeFromRaw(s, c.mode);
        EXPECT_EQ(t->RaisedScale(0, s, c.mode), c.scale) << "mode " << c.mode;
    }
}

TEST(QVZChartTraces, TheIntegralIsATrailingWindowSumOfAbsoluteXPlusAbsoluteY)
{
    QVZChartSettings s; // SumIntegral 192
    auto t = Traces();
    for (int i = 0; i < kSamples; ++i) {
        t->RawX()[i] = (i % 7) - 3;
        t->RawY()[i] = -(i % 5);
    }
    t->ComputeFromRaw(s, kCmdChartSummedXY);
    EXPECT_EQ(t->Sum()[11], 1.0 + 1.0);
    EXPECT_EQ(t->Sum()[13], 3.0 + 3.0);
    EXPECT_EQ(t->Integral()[190], 0.0);
    double expected = 0.0;
    for (int i = 0; i <= 191; ++i)
        expected += t->Sum()[i];
    EXPECT_EQ(t->Integral()[191], expected);
    expected += t->Sum()[192] - t->Sum()[0];
    EXPECT_EQ(t->Integral()[192], expected);
}

TEST(QVZChartTraces, AnIntegralLengthBelowOneIntegratesSampleBySample)
{
    for (int length : { 0, -4 }) {
        QVZChartSettings s;
        s.sumIntegral = length;
        auto t = Traces();
        for (int i = 0; i < kSamples; ++i)
            t->RawX()[i] = i;
        t->ComputeFromRaw(s, kCmdChartSummedXY);
        EXPECT_TRUE(std::equal(t->Sum(), t->Sum() + kSamples, t->Integral())) << length;
    }
}

TEST(QVZChartTraces, TheFilterIsATrailingMeanAndOffForShortLengthsAndRawModes)
{
    auto t = Traces();
    for (int i = 0; i < kSamples; ++i) {
        t->RawX()[i] = (i % 2) ? 10 : 0;
        t->RawY()[i] = i;
    }
    for (int points : { 0, 1 }) {
        QVZChartSettings s;
        s.filtAvePts = points;
        t->ComputeFromRaw(s, kCmdChartFilteredX);
        EXPECT_TRUE(std::equal(t->RawX(), t->RawX() + kSamples, t->FilteredX())) << points;
        EXPECT_TRUE(std::equal(t->RawY(), t->RawY() + kSamples, t->FilteredY())) << points;
    }
    QVZChartSettings s;
    s.filtAvePts = 4;
    t->ComputeFromRaw(s, kCmdChartRawY);
    EXPECT_TRUE(std::equal(t->RawY(), t->RawY() + kSamples, t->Integral()));
    t->ComputeFromRaw(s, kCmdChartFilteredY);
    EXPECT_EQ(t->FilteredX()[2], 0.0);
    EXPECT_EQ(t->FilteredX()[3], 5.0);
    EXPECT_EQ(t->Integral()[10], (7 + 8 + 9 + 10) / 4.0); // filtered Y is plotted
}

TEST(QVZChartTraces, EveryWindowHoldsTheSumOfItsSamples)
{
    // Traces decode to whole numbers, whose window sums are exact: a mean
    // is the exact sum divided once, and the integral of an unfiltered trace
    // is exact. Sums of fractions hold within rounding.
    const auto windowSum = [](const double *values, int last, int length) {
        long double total = 0.0;
        for (int j = last - length + 1; j <= last; ++j)
            total += values[j];
        return total;
    };
    const auto divided = [](long double total, int length) {
        volatile double mean = double(total) / length; // rounded to a double once
        return double(mean);
    };
    const auto near = [](double value, long double sum) {
        return std::fabs(double(value - sum)) <= 1e-9 * (1 + std::fabs(double(sum)));
    };
    for (bool whole : { true, false }) {
        for (int filter : { 0, 7 }) {
            QVZChartSettings s;
            s.filtAvePts = filter;
            auto t = Traces();
            for (int i = 0; i < kSamples; ++i) {
                t->RawX()[i] = whole ? (i * 37) % 2001 - 1000 : 0.1 * i + std::sin(i * 0.3);
                t->RawY()[i] = whole ? -((i * 11) % 301) : std::cos(i * 0.7) / 3;
            }
            t->ComputeFromRaw(s, kCmdChartSummedXY);
            int wrong = 0;
            for (int i = 6; filter && i < kSamples; ++i)
                for (const auto &pair : { std::make_pair(t->RawX(), t->FilteredX()),
                                          std::make_pair(t->RawY(), t->FilteredY()) }) {
                    const long double sum = windowSum(pair.first, i, 7);
                    wrong += whole ? pair.second[i] != divided(sum, 7) : !near(pair.second[i] * 7, sum);
                }
            for (int i = 191; i < kSamples; ++i) {
                const long double sum = windowSum(t->Sum(), i, 192);
                wrong += whole && !filter ? t->Integral()[i] != sum : !near(t->Integral()[i], sum);
            }
            EXPECT_EQ(0, wrong) << (whole ? "whole" : "fractional") << " samples, filter " << filter;
        }
    }
}

TEST(QVZChartTraces, AFilterLongerThanTheWindowAveragesOverTheWindow)
{
    QVZChartSettings s;
    s.minX = 0.0;
    s.maxX = 0.004; // four samples
    s.filtAvePts = 50;
    auto t = Traces();
    for (int i = 0; i < kSamples; ++i)
        t->RawX()[i] = i;
    t->ComputeFromRaw(s, kCmdChartFilteredX);
    EXPECT_EQ(t->FilteredX()[2], 0.0);
    EXPECT_EQ(t->FilteredX()[3], 1.5);
}

TEST(QVZChartTraces, TheTimeWindowStaysInsideTheTraceWithAtLeastOneSample)
{
    struct Case { double minX, maxX; int start, count; } cases[] = {
        { -3, 2, 0, 5000 },
        { -5, 2, 0, 5000 },      // before the trace: plots from -3
        { -3, 9, 0, 5000 },      // after it: the last plotted sample is 4999
        { 0.2, 2, 3200, 1800 },
        { 1, 1, 4000, 1 },       // empty window: one sample
        { 2, 1, 4999, 1 },       // reversed at the end
        { 5, 7, 4999, 1 },
    };
    for (const Case &c : cases) {
        QVZChartSettings s;
        s.minX = c.minX;
        s.maxX = c.maxX;
        s.MakeSafe();
        EXPECT_EQ(s.StartSample(), c.start) << c.minX << ".." << c.maxX;
        EXPECT_EQ(s.SampleCount(), c.count) << c.minX << ".." << c.maxX;
        EXPECT_LT(s.minX, s.maxX);
    }
}

TEST(QVZChartTraces, SettingsAreReadWithDefaultsAndMadeSafe)
{
    KRegistry registry;
    registry.Parse(L"Chart\\Axes\\MinX:Float=-5");
    registry.Parse(L"Chart\\Plotting\\PowerRoundVal:Int=0");
    registry.Parse(L"Chart\\Plotting\\SumIntegral:Int=64");
    const QVZChartSettings s = QVZChartSettings::Read(&registry);
    EXPECT_EQ(s.minX, -3.0);
    EXPECT_EQ(s.maxX, 2.0);
    EXPECT_EQ(s.sumIntegral, 64);
    EXPECT_EQ(s.powerRoundVal, 1);
    EXPECT_EQ(s.defScaleVal, 1000);

    QVZChartSettings copy = s;
    auto t = Peak(1234, copy);
    EXPECT_EQ(t->RaisedScale(0, copy, kCmdChartSummedXY), 1357); // step 1: headroom only
}

TEST(QVZChartTraces, ADisplayModeOutsideTheChartModesIsRefused)
{
    EXPECT_EQ(QVZChartTraces::DisplayMode(), kCmdChartSummedXY);
    EXPECT_FALSE(QVZChartTraces::SetDisplayMode(10168));
    EXPECT_TRUE(QVZChartTraces::SetDisplayMode(kCmdChartRawY));
    EXPECT_EQ(QVZChartTraces::DisplayMode(), kCmdChartRawY);
    QVZChartTraces::SetDisplayMode(kCmdChartSummedXY);
}
