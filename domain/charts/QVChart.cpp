#include "domain/charts/QVChart.h"

#include "domain/charts/QVChartView.h"

QVChart::QVChart(VLeg *leg) : m_leg(leg) {}

QVChart::~QVChart()
{
    m_views.DeleteAll();
}

QVChartView *QVChart::View(int n, bool create)
{
    if (n < 0 || n >= kMaxViews)
        return nullptr;
    while (create && m_views.Count() <= n)
        m_views.AddItem(new QVChartView(this));
    return static_cast<QVChartView *>(m_views[n]);
}

void QVChart::Handle(const KMessage &message)
{
    for (auto *v = static_cast<QVChartView *>(m_views.Next(nullptr)); v;
         v = static_cast<QVChartView *>(m_views.Next(v)))
        v->Handle(message);
}
