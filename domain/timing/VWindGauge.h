#pragma once
// VWindGauge: the worker of the wind module that takes the readings of a
// wind gauge once a second. It belongs to the photo-finish design and is
// linked but never made in this program, which has no gauge link: its tick
// finds nothing to read. Created and stopped on the GUI thread; ticks on its
// own thread.

#include "foundation/threads/KPeriodicTask.h"

class VWindGauge : public KPeriodicTask
{
public:
    static constexpr int32_t kPeriod = 1000;   // ms between readings

    VWindGauge() = default;
    ~VWindGauge() override;

protected:
    void Tick(int32_t now) override;
};
