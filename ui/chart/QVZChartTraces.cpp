#include "ui/chart/QVZChartTraces.h"

#include "domain/results/QVResult.h"
#include "foundation/registry/KRValueOr.h"
#include "foundation/registry/KRegistry.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int displayMode = kCmdChartSummedXY;
int localDetection = 0;

// Whole milliseconds of a span in seconds. The small allowance keeps a
// setting such as -2.7 s from landing one sample short through rounding.
int Milliseconds(double seconds) { return static_cast<int>(seconds * 1000.0 + 1e-6); }

// The sample of a time in seconds from the gun.
int SampleAt(double seconds) { return Milliseconds(seconds + 3.0); }

} // namespace

QVZChartSettings QVZChartSettings::Read(const KRNode *settings)
{
    QVZChartSettings s;
    s.minX = KRFloatOr(settings, kKeyChartMinX, s.minX);
    s.maxX = KRFloatOr(settings, kKeyChartMaxX, s.maxX);
    s.filtAvePts = KRIntOr(settings, kKeyChartFiltAvePts, s.filtAvePts);
    s.sumIntegral = KRIntOr(settings, kKeyChartSumIntegral, s.sumIntegral);
    s.minScaleVal = KRIntOr(settings, kKeyChartMinScaleVal, s.minScaleVal);
    s.defScaleVal = KRIntOr(settings, kKeyChartDefScaleVal, s.defScaleVal);
    s.powerRoundVal = KRIntOr(settings, kKeyChartPowerRoundVal, s.powerRoundVal);
    s.MakeSafe();
    return s;
}

void QVZChartSettings::MakeSafe()
{
    // The last plotted point is sample 4999, so a window starts by +1.999 s
    // and spans at least one sample.
    if (!std::isfinite(minX))
        minX = -3.0;
    if (!std::isfinite(maxX))
        maxX = 2.0;
    minX = std::clamp(minX, -3.0, 1.999);
    maxX = std::clamp(maxX, -3.0, 2.0);
    if (SampleAt(maxX) - SampleAt(minX) < 1)
        maxX = std::min(2.0, minX + 0.001);
    if (powerRoundVal < 1)
        powerRoundVal = 1;
}

int QVZChartSettings::StartSample() const
{
    return std::clamp(SampleAt(minX), 0, QVZChartTraces::kSamples - 2);
}

int QVZChartSettings::SampleCount() const
{
    const int count = Milliseconds(maxX - minX);
    return std::clamp(count, 1, QVZChartTraces::kSamples - 1 - StartSample());
}

bool QVZChartSettings::SameAs(const QVZChartSettings &other) const
{
    return minX == other.minX && maxX == other.maxX && filtAvePts == other.filtAvePts &&
           sumIntegral == other.sumIntegral && minScaleVal == other.minScaleVal && defScaleVal == other.defScaleVal &&
           powerRoundVal == other.powerRoundVal;
}

QVZChartTraces &QVZChartTraces::Shared()
{
    static QVZChartTraces traces;
    return traces;
}

int QVZChartTraces::DisplayMode() { return displayMode; }

bool QVZChartTraces::SetDisplayMode(int mode)
{
    if (mode < kCmdChartRawX || mode > kCmdChartSummedXY)
        return false;
    displayMode = mode;
    return true;
}

int QVZChartTraces::LocalDetection() { return localDetection; }
void QVZChartTraces::SetLocalDetection(int on) { localDetection = on ? 1 : 0; }

void QVZChartTraces::Compute(const QVResult *result, const QVZChartSettings &settings, int mode)
{
    Decode(result);
    ComputeFromRaw(settings, mode);
}

void QVZChartTraces::Decode(const QVResult *result)
{
    if (result)
        result->DecodeTrace(raw[0]); // both channels: raw Y follows raw X
    else
        std::memset(raw, 0, sizeof raw);
}

void QVZChartTraces::ComputeFromRaw(const QVZChartSettings &settings, int mode)
{
    std::memset(filtered, 0, sizeof filtered);
    std::memset(summed, 0, sizeof summed);
    const bool rawMode = mode == kCmdChartRawX || mode == kCmdChartRawY;
    if (settings.filtAvePts <= 1 || rawMode)
        std::memcpy(filtered, raw, sizeof raw);
    else
        Filter(std::min(settings.filtAvePts, settings.SampleCount()));
    if (mode == kCmdChartSummedXY)
        SumAndIntegrate(std::max(settings.sumIntegral, 1));
    else
        std::memcpy(summed, filtered, sizeof filtered);
}

void QVZChartTraces::Filter(int length)
{
    if (length <= 1) {
        std::memcpy(filtered, raw, sizeof raw);
        return;
    }
    for (int channel = 0; channel < 2; ++channel)
        WindowSums(raw[channel], length, length, filtered[channel]);
}

void QVZChartTraces::SumAndIntegrate(int length)
{
    double *sum = summed[0];
    double *integral = summed[1];
    for (int i = 0; i < kSamples; ++i)
        sum[i] = std::fabs(filtered[0][i]) + std::fabs(filtered[1][i]);
    WindowSums(sum, std::min(length, kSamples), 1, integral);
}

void QVZChartTraces::WindowSums(const double *in, int length, int divisor, double *out)
{
    const bool whole = WholeNumbers(in, kSamples);
    double total = 0.0;
    for (int i = 0; i < kSamples; ++i) {
        if (whole) {
            total += in[i];
            if (i >= length)
                total -= in[i - length];
        } else if (i >= length - 1) {
            total = WindowSum(in, i, length);
        }
        if (i >= length - 1)
            out[i] = total / divisor;
    }
}

bool QVZChartTraces::WholeNumbers(const double *values, int count)
{
    for (int i = 0; i < count; ++i)
        if (values[i] != std::trunc(values[i]) || std::fabs(values[i]) > kWholeLimit)
            return false;
    return true;
}

double QVZChartTraces::WindowSum(const double *values, int last, int length)
{
    double total = 0.0;
    for (int j = last - length + 1; j <= last; ++j)
        total += values[j];
    return total;
}

const double *QVZChartTraces::Plotted(int mode) const
{
    return (mode == kCmdChartRawX || mode == kCmdChartFilteredX) ? summed[0] : summed[1];
}

int QVZChartTraces::RaisedScale(int oldScale, const QVZChartSettings &settings, int mode) const
{
    const double *values = Plotted(mode);
    const int start = settings.StartSample();
    const int end = start + settings.SampleCount();
    int scale = oldScale;
    for (int i = start; i < end; ++i)
        scale = static_cast<int>(std::max(static_cast<double>(scale), values[i]));
    if (scale < settings.minScaleVal)
        scale = settings.defScaleVal;
    if (scale == oldScale)
        return scale;
    scale = static_cast<int>(scale + scale * 0.1);
    const int step = std::max(settings.powerRoundVal, 1);
    return ((scale + step - 1) / step) * step;
}
