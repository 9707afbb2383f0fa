#pragma once
// VStart: the start of a leg: the start (gun) time when one was taken and
// whether it was a hand start. Held by value by its leg; GUI thread.

#include <cstdint>

#include "domain/timing/VRaceTime.h"

class KStream;

class VStart
{
public:
    static constexpr uint32_t kFlagManual = 1;   // a hand start

    VStart() = default;

    bool IsManual() const { return (m_flags & kFlagManual) != 0; }
    void SetManual(bool on) { m_flags = on ? (m_flags | kFlagManual) : (m_flags & ~kFlagManual); }
    const VRaceTime &Time() const { return m_time; }
    void SetTime(const VRaceTime &time) { m_time = time; }

    bool Equals(const VStart &other) const
    {
        return m_flags == other.m_flags && m_time == other.m_time;
    }

    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    uint32_t m_flags = 0;
    VRaceTime m_time;
};
