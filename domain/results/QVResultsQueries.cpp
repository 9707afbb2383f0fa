// The image side's queries over a result list.

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"

QVResult *QVResults::NextTimed(QVResult *after) const
{
    for (QVResult *r = NextResult(after); r; r = NextResult(r))
        if (r->FinishTime().IsValid())
            return r;
    return nullptr;
}

QVResult *QVResults::NextUntimed(QVResult *after) const
{
    for (QVResult *r = NextResult(after); r; r = NextResult(r))
        if (!r->FinishTime().IsValid())
            return r;
    return nullptr;
}

QVResult *QVResults::NearestTimed(const VRaceTime &time) const
{
    QVResult *best = nullptr;
    int64_t bestDistance = 0;
    for (QVResult *r = NextTimed(nullptr); r; r = NextTimed(r)) {
        int64_t d = r->FinishTime().Ticks() - time.Ticks();
        if (d < 0)
            d = -d;
        if (!best || d < bestDistance) {
            best = r;
            bestDistance = d;
        }
    }
    return best;
}

QVResult *QVResults::NextFlagged(QVResult *after, const QVResultsView *view) const
{
    for (QVResult *r = NextMatching(after, view); r; r = NextMatching(r, view))
        if (r->HasFlag())
            return r;
    return nullptr;
}

void QVResults::SetFlagAll(bool on)
{
    for (QVResult *r = NextResult(nullptr); r; r = NextResult(r))
        r->SetFlag(on);
}

QVResult *QVResults::FindByField(int field, const KString &text) const
{
    for (QVResult *r = NextResult(nullptr); r; r = NextResult(r))
        if (r->TextField(field).EqualsIgnoreCase(text))
            return r;
    return nullptr;
}

bool QVResults::IsNearTimed(const VRaceTime &time, const QVResult *except) const
{
    if (!time.IsValid())
        return false;
    for (QVResult *r = NextTimed(nullptr); r; r = NextTimed(r)) {
        if (r == except)
            continue;
        int64_t d = r->FinishTime().Ticks() - time.Ticks();
        if ((d < 0 ? -d : d) <= m_nearThreshold)
            return true;
    }
    return false;
}
