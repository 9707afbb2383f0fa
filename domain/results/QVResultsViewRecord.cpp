#include "domain/results/QVResultsView.h"

#include "domain/QVDomainCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KGeometryRecord.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

#include <algorithm>

void QVResultsView::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordResultsView);
    m_filter.Write(stream);
    KWritePoint(stream, m_scroll);
    KWritePoint(stream, m_selection);
    for (int32_t edge : m_edges)
        stream.WriteI32(edge);
}

void QVResultsView::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordResultsView});
    m_filter.Read(stream);
    KReadPoint(stream, m_scroll);
    KReadPoint(stream, m_selection);
    int32_t edges[kColumnCount + 1];
    for (int32_t &edge : edges)
        edge = stream.ReadI32();
    for (int i = 1; i <= kColumnCount; ++i)
        if (edges[i] < edges[i - 1] || edges[i] - edges[i - 1] > 100000)
            throw KXPersistent(kErrFileContents);
    std::copy(edges, edges + kColumnCount + 1, m_edges);
}
