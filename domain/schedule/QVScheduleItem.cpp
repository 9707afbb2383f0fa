#include "domain/schedule/QVScheduleItem.h"

#include "domain/schedule/QVStartList.h"

QVScheduleItem::QVScheduleItem(const QVStartListHeat &heat, const KString &name)
    : m_event(heat.event), m_round(heat.round), m_heat(heat.heat), m_name(name), m_done(heat.done)
{
}

void QVScheduleItem::Text(KString &out) const
{
    out.Append(m_event).AppendChar(L'-').Append(m_round).AppendChar(L'-').Append(m_heat);
    if (!m_name.IsEmpty())
        out.Append(L"  ").Append(m_name);
}
