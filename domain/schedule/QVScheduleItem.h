#pragma once
// QVScheduleItem: one entry of the schedule's entry list: a heat with its
// event, round and heat numbers as the schedule writes them, the event's
// name and whether the heat is marked done. Owned by the schedule's list.

#include "foundation/containers/KList.h"
#include "foundation/strings/KString.h"

struct QVStartListHeat;

class QVScheduleItem : public KListItem
{
public:
    QVScheduleItem(const QVStartListHeat &heat, const KString &name);

    // Appends the display text: "event-round-heat", then two blanks and the
    // event name when there is one.
    void Text(KString &out) const;
    const KString &EventText() const { return m_event; }
    const KString &RoundText() const { return m_round; }
    const KString &HeatText() const { return m_heat; }
    const KString &Name() const { return m_name; }
    bool IsDone() const { return m_done; }

private:
    KString15 m_event;
    KString15 m_round;
    KString15 m_heat;
    KString63 m_name;
    bool m_done;
};
