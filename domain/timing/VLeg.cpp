#include "domain/timing/VLeg.h"

#include "domain/QVDomainCodes.h"
#include "domain/charts/QVChart.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "foundation/values/KPoint.h"

VLeg::VLeg(QVEvent *event) : KMessageObject(nullptr), m_event(nullptr)
{
    SetEvent(event);
}

VLeg::~VLeg()
{
    delete m_results;
    m_charts.DeleteAll();
}

void VLeg::SetEvent(QVEvent *event)
{
    m_event = event;
    SetParent(event);
}

QVResults *VLeg::CreateResults()
{
    if (!m_results) {
        auto *results = new QVResults(this);
        Send(kMsgListBefore | kMsgResultList, 0);
        m_results = results;
        Send(kMsgListAfter | kMsgResultList, 0);
    }
    return m_results;
}

QVChart *VLeg::Chart(int n) const
{
    if (n < 0)
        return nullptr;
    return static_cast<QVChart *>(m_charts[n]);
}

QVChart *VLeg::AddChart()
{
    auto *chart = new QVChart(this);
    m_charts.AddItem(chart);
    return chart;
}

void VLeg::Select(const KPoint &cell)
{
    KPoint copy(cell);
    Send(kMsgSelect | kMsgNoModify, reinterpret_cast<uintptr_t>(&copy));
}

void VLeg::SelectNone()
{
    Select(KPoint(-1, -1));
}

void VLeg::ClearSelection()
{
    Send(kMsgClearSelection | kMsgNoModify, 0);
}

void VLeg::ShowData()
{
    Send(kMsgShowData | kMsgNoModify, 0);
}

void VLeg::NotifyResultsChanged()
{
    Send(kMsgResultsChanged | kMsgNoModify, 0);
}

void VLeg::NotifyOptionsChanged()
{
    Send(kMsgOptionsChanged | kMsgNoModify, 0);
}

void VLeg::Handle(const KMessage &message)
{
    if (m_results)
        m_results->Handle(message);
    for (auto *c = static_cast<QVChart *>(m_charts.Next(nullptr)); c; c = static_cast<QVChart *>(m_charts.Next(c)))
        c->Handle(message);
}
