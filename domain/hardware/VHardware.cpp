#include "domain/hardware/VHardware.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVEvent.h"
#include "foundation/messages/KMessage.h"

namespace
{
VHardware *g_instance = nullptr;

// Holds the hub's ring mutex for one scope.
class RingLock
{
public:
    explicit RingLock(KMutex &mutex) : m_mutex(mutex) { m_mutex.Lock(0, -1); }
    ~RingLock() { m_mutex.Unlock(); }

private:
    KMutex &m_mutex;
};
}

VHardware::VHardware() : KMessageObject(nullptr), m_view(this)
{
    if (!g_instance)
        g_instance = this;
}

VHardware::~VHardware()
{
    m_armed.RemoveAll();
    if (g_instance == this)
        g_instance = nullptr;
}

VHardware *VHardware::Instance()
{
    return g_instance;
}

void VHardware::Idle()
{
    if (!m_changed.exchange(false))
        return;
    Send(kMsgHardwareChanged | kMsgNoModify, 0);
}

bool VHardware::ManualStart(const VRaceTime *)
{
    return false;   // no timing device here to take it
}

void VHardware::Arm(QVEvent *event)
{
    if (event && !IsArmed(event)) {
        m_armed.AddItem(event);
        m_changed = true;
    }
}

void VHardware::Disarm(QVEvent *event)
{
    if (event && m_armed.Remove(event))
        m_changed = true;
}

bool VHardware::IsArmed(const QVEvent *event) const
{
    return event && m_armed.IndexOf(event) >= 0;
}

void VHardware::Add(Ring &ring, const VRaceTime &time)
{
    RingLock lock(m_ringMutex);
    ring.times[ring.total % kRingSize] = time;
    ++ring.total;
    m_changed = true;
}

bool VHardware::Get(Ring &ring, int n, VRaceTime &time)
{
    RingLock lock(m_ringMutex);
    if (n < 0 || n >= ring.total || n < ring.total - kRingSize)
        return false;
    time = ring.times[n % kRingSize];
    return true;
}

void VHardware::AddStart(const VRaceTime &time) { Add(m_starts, time); }

void VHardware::AddBreak(const VRaceTime &time) { Add(m_breaks, time); }

bool VHardware::GetStart(int n, VRaceTime &time) { return Get(m_starts, n, time); }

bool VHardware::GetBreak(int n, VRaceTime &time) { return Get(m_breaks, n, time); }

void VHardware::RecentStarts(int &count, int &first)
{
    RingLock lock(m_ringMutex);
    count = m_starts.total < kMaxRecentStarts ? m_starts.total : kMaxRecentStarts;
    first = m_starts.total - count;
}

void VHardware::Handle(const KMessage &message)
{
    m_view.Handle(message);
}
