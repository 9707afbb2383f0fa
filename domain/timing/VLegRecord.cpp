#include "domain/timing/VLeg.h"

#include "domain/QVDomainCodes.h"
#include "domain/charts/QVChart.h"
#include "domain/results/QVResults.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

namespace
{
constexpr uint32_t kMinChartBytes = 8;
}

void VLeg::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordLeg);
    m_start.Write(stream);
    stream.WriteU8(m_results ? 1 : 0);
    if (m_results)
        m_results->Write(stream);
    stream.WriteU32(uint32_t(m_charts.Count()));
    for (auto *c = static_cast<QVChart *>(m_charts.Next(nullptr)); c; c = static_cast<QVChart *>(m_charts.Next(c)))
        c->Write(stream);
}

// Reads without announcing: the leg is read while it belongs to no document.
void VLeg::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordLeg});
    m_start.Read(stream);
    uint8_t hasResults = stream.ReadU8();
    if (hasResults > 1)
        throw KXPersistent(kErrFileContents);
    delete m_results;
    m_results = nullptr;
    if (hasResults) {
        m_results = new QVResults(this);
        m_results->Read(stream);
    }
    KReadItems(stream, m_charts, kMinChartBytes, kMaxCharts, [this] { return new QVChart(this); });
}
