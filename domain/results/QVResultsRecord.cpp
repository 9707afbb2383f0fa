#include "domain/results/QVResults.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResultsView.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

namespace
{
// The least bytes a stored view and a stored result take.
constexpr uint32_t kMinViewBytes = 64;
constexpr uint32_t kMinResultBytes = 200;
constexpr uint32_t kMaxViews = 64;
}

void QVResults::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordResults);
    stream.WriteU32(uint32_t(m_views.Count()));
    for (QVResultsView *v = NextView(nullptr); v; v = NextView(v))
        v->Write(stream);
    stream.WriteU32(uint32_t(Count()));
    for (QVResult *r = NextResult(nullptr); r; r = NextResult(r))
        r->Write(stream);
}

// Fills the list without announcing anything: it is read while it belongs
// to no document (see QVEvent::Open).
void QVResults::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordResults});
    DeleteAll();
    KReadItems(stream, m_views, kMinViewBytes, kMaxViews, [this] { return new QVResultsView(this); });
    uint32_t results = KPersistent::ReadCount(stream, kMinResultBytes, kMaxResults);
    for (uint32_t i = 0; i < results; ++i) {
        auto *result = new QVResult(this, m_nextId++);
        AddItem(result);
        result->Read(stream);
    }
}
