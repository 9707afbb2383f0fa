#pragma once
// VWind: the wind module of the timing model. Its gauge reader (VWindGauge)
// is part of the photo-finish design and is never made in this program; the
// module start-up only resets the last reading. GUI thread.

#include <cstdint>

class VWind
{
public:
    // No reading.
    static constexpr int32_t kNoReading = INT32_MIN;

    static void Startup();
    static void Shutdown();
    // The last wind reading in 0.1 m/s, kNoReading when there is none.
    static int32_t LastReading();
};
