#include "domain/event/QVEvent.h"

#include "domain/QVDomainCodes.h"
#include "domain/charts/QVChart.h"
#include "domain/hardware/VHardware.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/messages/KMessage.h"
#include "foundation/streams/KFile.h"

QVEvent::QVEvent() : KMessageObject(nullptr), m_view(this) {}

QVEvent::~QVEvent()
{
    if (VHardware *hub = VHardware::Instance())
        hub->Disarm(this);
    m_legs.DeleteAll();
}

int QVEvent::Initialize(int flags)
{
    if (flags != kInitNew)
        return kErrEventArm;
    // A document that already has its legs (set up before, or opened) is
    // only armed again.
    if (m_legs.Count() == 0) {
        // The leg is built complete before the document takes it.
        VLeg *leg = new VLeg(nullptr);
        leg->CreateResults()->NewView();
        for (int c = 0; c < 2; ++c)
            leg->AddChart()->View(0, true);
        Send(kMsgListBefore | kMsgLegList, 0);
        m_legs.AddItem(leg);
        leg->SetEvent(this);
        m_dateTime.SetNow();
        Send(kMsgListAfter | kMsgLegList | kMsgNoModify, 0);
        m_modified = false;   // a new document has nothing to save yet
    }
    if (VHardware *hub = VHardware::Instance())
        hub->Arm(this);
    return 0;
}

void QVEvent::SetModified(bool on)
{
    if (m_modified == on)
        return;
    Send(kMsgBefore | kMsgNoModify | kMsgEventChanged, 0);
    m_modified = on;
    Send(kMsgAfter | kMsgNoModify | kMsgEventChanged, 0);
}

bool QVEvent::HasFileName(const KString &path) const
{
    return !m_path.IsEmpty() && m_path.EqualsIgnoreCase(path);
}

void QVEvent::FileTitle(KString &text) const
{
    if (m_path.IsEmpty())
        return;
    KFile file;
    file.SetFullName(m_path);
    file.GetName(text, false);
}

void QVEvent::SetName(const KString &name)
{
    Send(kMsgBefore | kMsgEventChanged, 0);
    m_name = name;
    Send(kMsgAfter | kMsgEventChanged, 0);
}

void QVEvent::SetEventRoundHeat(const KString &event, const KString &round, const KString &heat)
{
    Send(kMsgBefore | kMsgEventChanged, 0);
    m_eventNumber = event;
    m_roundNumber = round;
    m_heatNumber = heat;
    Send(kMsgAfter | kMsgEventChanged, 0);
}

bool QVEvent::HasEventRoundHeat() const
{
    return !m_eventNumber.IsEmpty() && !m_roundNumber.IsEmpty() && !m_heatNumber.IsEmpty();
}

bool QVEvent::CompetitionId(KString &text) const
{
    if (!HasEventRoundHeat())
        return false;
    text.Append(m_eventNumber).AppendChar(L'-').Append(m_roundNumber).AppendChar(L'-').Append(m_heatNumber);
    return true;
}

void QVEvent::SetDateTime(const KDateTime &dateTime)
{
    Send(kMsgBefore | kMsgEventChanged, 0);
    m_dateTime = dateTime;
    Send(kMsgAfter | kMsgEventChanged, 0);
}

VLeg *QVEvent::Leg(int n) const
{
    return n < 0 ? nullptr : static_cast<VLeg *>(m_legs[n]);
}

VLeg *QVEvent::NextLeg(const VLeg *leg) const
{
    return static_cast<VLeg *>(m_legs.Next(leg));
}

VLeg *QVEvent::AddLeg()
{
    VLeg *leg = new VLeg(nullptr);
    Send(kMsgListBefore | kMsgLegList, 0);
    m_legs.AddItem(leg);
    leg->SetEvent(this);
    Send(kMsgListAfter | kMsgLegList, 0);
    return leg;
}

bool QVEvent::Lock(int32_t timeout)
{
    return m_mutex.Lock(0, timeout);
}

void QVEvent::Unlock()
{
    m_mutex.Unlock();
}

void QVEvent::Handle(const KMessage &message)
{
    uint32_t phase = message.Phase();
    bool before = (phase & (kMsgBefore | kMsgListBefore)) != 0;
    bool after = (phase & (kMsgAfter | kMsgListAfter)) != 0;
    if (before) {
        Lock();
        ++m_lockDepth;
    }
    if (after && !(phase & kMsgNoModify))
        m_modified = true;
    m_view.Handle(message);
    for (VLeg *leg = NextLeg(nullptr); leg; leg = NextLeg(leg))
        leg->Handle(message);
    if (after && m_lockDepth > 0) {
        --m_lockDepth;
        Unlock();
    }
}

void QVEvent::TakeContents(QVEvent &other)
{
    m_kind = other.m_kind;
    m_oldVersion = other.m_oldVersion;
    m_name = other.m_name;
    m_eventNumber = other.m_eventNumber;
    m_roundNumber = other.m_roundNumber;
    m_heatNumber = other.m_heatNumber;
    m_dateTime = other.m_dateTime;
    m_legs.DeleteAll();
    while (VLeg *leg = other.NextLeg(nullptr)) {
        other.m_legs.Remove(leg);
        m_legs.AddItem(leg);
        leg->SetEvent(this);
    }
}

void QVEvent::Startup() {}

void QVEvent::Shutdown() {}

QVEvent::RowIterator::RowIterator(QVEvent *event) : m_event(event) {}

bool QVEvent::RowIterator::MoveTo(int n)
{
    m_row = 0;
    m_leg = nullptr;
    m_onResults = false;
    if (n < 0 || !m_event)
        return false;
    while (m_row < n)
        if (!Step())
            return false;
    return true;
}

bool QVEvent::RowIterator::Step()
{
    if (m_leg && !m_onResults && m_leg->Results()) {
        m_onResults = true;
    } else {
        VLeg *next = m_event->NextLeg(m_leg);
        if (!next)
            return false;
        m_leg = next;
        m_onResults = false;
    }
    ++m_row;
    return true;
}

uint32_t QVEvent::RowIterator::Kind() const
{
    if (!m_leg)
        return kRowEvent;
    return m_onResults ? kRowResults : kRowLeg;
}
