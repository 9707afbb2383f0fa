#include "domain/timing/VWindGauge.h"

VWindGauge::~VWindGauge()
{
    Stop();
}

void VWindGauge::Tick(int32_t) {}
