#include "domain/timing/VWind.h"

namespace
{
int32_t g_lastReading = VWind::kNoReading;
}

void VWind::Startup() { g_lastReading = kNoReading; }

void VWind::Shutdown() {}

int32_t VWind::LastReading() { return g_lastReading; }
