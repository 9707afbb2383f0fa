#include "ui/chart/QVZSlopeDetector.h"

#include "foundation/registry/KRegistry.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTraces.h"

namespace {

enum State { kSearching = 1, kRising = 2, kConfirming = 3, kAccepted = 4 };

int Slope(const double *values, int i)
{
    return i <= 0 ? 0 : static_cast<int>(values[i] - values[i - 1]);
}

// The candidate at onset survives its confirmation window.
bool Confirmed(const double *values, int onset, const QVZSlopeSettings &s, int setReferenceMs)
{
    const int w = s.totalIncSlope;
    if (s.checkNegSlope) {
        int notRising = 0;
        for (int j = onset + 1; j <= onset + w - 1; ++j)
            if (Slope(values, j) <= 0)
                ++notRising;
        if (notRising >= w / 4)
            return false;
    }
    const int mean = static_cast<int>(values[onset + w - 1] - values[onset]) / w;
    if (mean < s.incSlope)
        return false;
    if (s.showBeforeSet)
        return true;
    const double beforeGun = QVZChartTraces::kGunSample - onset;
    return !(beforeGun > setReferenceMs - static_cast<double>(s.setMask) * 1000.0);
}

} // namespace

QVZSlopeSettings QVZSlopeSettings::Read(const KRNode *settings)
{
    QVZSlopeSettings s;
    if (!settings)
        return s;
    if (const KRInt *n = settings->GetInt(kKeyLocalIncSlope))
        s.incSlope = n->Value();
    if (const KRInt *n = settings->GetInt(kKeyLocalConsIncSlope))
        s.consIncSlope = n->Value();
    if (const KRInt *n = settings->GetInt(kKeyLocalTotalIncSlope))
        s.totalIncSlope = n->Value();
    if (const KRFloat *n = settings->GetFloat(kKeyLocalSetMask))
        s.setMask = static_cast<float>(n->Value());
    if (const KRBool *n = settings->GetBool(kKeyLocalShowBeforeSet))
        s.showBeforeSet = n->Value();
    if (const KRBool *n = settings->GetBool(kKeyLocalCheckNegSlope))
        s.checkNegSlope = n->Value();
    return s;
}

int QVZSlopeDetector::Detect(const double *integral, const QVZSlopeSettings &settings, int setReferenceMs)
{
    QVZSlopeSettings s = settings;
    if (s.totalIncSlope < 1) // a window of no samples would divide by zero
        s.totalIncSlope = 1;
    const int w = s.totalIncSlope;
    if (QVZChartTraces::kSamples - w <= 0)
        return kNone;
    int state = kSearching;
    int onset = kNone;
    int run = 0;
    for (int i = 0; i < QVZChartTraces::kSamples - 1 - w && state != kAccepted; ++i) {
        const int d = Slope(integral, i);
        if (state == kSearching) {
            if (d < s.incSlope)
                continue;
            state = kRising;
            onset = i;
        }
        if (state == kRising) {
            if (d < s.incSlope) {
                state = kSearching;
                run = 0;
            } else if (run < s.consIncSlope) {
                ++run;
            }
            if (state == kRising && run == s.consIncSlope)
                state = kConfirming;
        }
        if (state == kConfirming) {
            if (Confirmed(integral, onset, s, setReferenceMs)) {
                state = kAccepted;
            } else {
                state = kSearching;
                run = 0;
            }
        }
    }
    return state == kAccepted ? onset : kNone;
}
