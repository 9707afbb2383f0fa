#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"

#include "domain/QVDomainCodes.h"
#include "foundation/streams/KGeometryRecord.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

namespace
{
constexpr uint32_t kMinViewBytes = 40;
}

void QVChart::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordChart);
    stream.WriteU32(uint32_t(m_views.Count()));
    for (auto *v = static_cast<QVChartView *>(m_views.Next(nullptr)); v;
         v = static_cast<QVChartView *>(m_views.Next(v)))
        v->Write(stream);
}

void QVChart::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordChart});
    KReadItems(stream, m_views, kMinViewBytes, kMaxViews, [this] { return new QVChartView(this); });
}

void QVChartView::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordChartView);
    KWritePoint(stream, m_scroll);
    m_zoom.Write(stream);
}

void QVChartView::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordChartView});
    KReadPoint(stream, m_scroll);
    m_zoom.Read(stream);
}
