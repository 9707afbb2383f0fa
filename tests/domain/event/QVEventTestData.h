#pragma once
// Builds documents with deterministic contents for the event tests.

#include "domain/QVDomainCodes.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"

#include <vector>

inline VRaceTime TestMs(int32_t ms)
{
    return VRaceTime(ms, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
}

// Fills a result with texts, times, breaks, power and a trace that depends on seed.
inline void FillTestResult(QVResult &r, int seed)
{
    r.SetFirstName(KString(L"Ada"));
    r.SetLastName(KString(seed % 2 ? L"Lovelace" : L"Byron"));
    r.SetTextField(QVResult::kLane, KString(seed % 3 ? L"4" : L"5"));
    r.SetTextField(QVResult::kLicence, KString(L"L-0042"));
    r.SetSource(KString(L"Blocks A"));
    r.SetSourceNumber(seed);
    r.SetResultCode(seed % 7);
    r.SetReactionTime(TestMs(90 + seed * 7));
    r.SetTimeToDistance(TestMs(1800 + seed));
    r.StoreSetCommandTime(TestMs(1520));
    r.StoreSetReferenceTime(VRaceTime(1510, VRaceTime::kMillisecond, VRaceTime::kHundredth));
    VRaceTime breaks[3] = {TestMs(600 + seed), TestMs(1200 + seed), VRaceTime()};
    r.SetTrialTimes(breaks, 3);
    r.SetPower(seed == 2 ? QVResult::kPowerBlank : 4000 + seed);
    r.SetReplyFlags(0x8001u + seed);
    r.SetDownloadWindow(0, 5000);
    std::vector<int16_t> a(kTraceSamples), b(kTraceSamples);
    for (int i = 0; i < kTraceSamples; ++i) {
        a[i] = int16_t((i * 37 + seed * 1001) % 65536 - 32768);
        b[i] = int16_t(-(i * 13 + seed) % 30000);
    }
    r.SetTrace(a.data(), b.data());
}

// An initialised document with three full results in its first leg.
inline void FillTestEvent(QVEvent &event, int results = 3)
{
    event.Initialize(QVEvent::kInitNew);
    event.SetName(KString(L"Morning blocks"));
    event.SetEventRoundHeat(KString(L"12"), KString(L"1"), KString(L"3"));
    event.SetDateTime(KDateTime(2026, 12, 7, 8, 30, 15, 250));
    QVResults *list = event.Leg(0)->Results();
    for (int i = 0; i < results; ++i)
        FillTestResult(*list->NewResult(), i);
}
