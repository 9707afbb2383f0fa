#include "domain/results/QVResults.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResultsView.h"
#include "domain/timing/VLeg.h"
#include "foundation/strings/KString.h"

QVResults::QVResults(VLeg *leg) : KMessageObject(leg), m_leg(leg) {}

QVResults::~QVResults()
{
    DeleteAll();
    m_views.DeleteAll();
}

void QVResults::Add(KListItem *item)
{
    KList::Add(item);
}

QVEvent *QVResults::Event() const
{
    return m_leg ? m_leg->Event() : nullptr;
}

QVResultsView *QVResults::NextView(QVResultsView *view) const
{
    return static_cast<QVResultsView *>(m_views.Next(view));
}

QVResultsView *QVResults::NewView()
{
    auto *view = new QVResultsView(this);
    m_views.AddItem(view);
    return view;
}

QVResult *QVResults::NextResult(QVResult *result) const
{
    return static_cast<QVResult *>(Next(result));
}

bool QVResults::Passes(const QVResult &result, const QVResultsView *view, int field, const KString *text) const
{
    if (view && !view->Filter().Matches(result))
        return false;
    if (field >= 0 && text && !text->IsEmpty())
        return result.TextField(field).EqualsIgnoreCase(*text);
    return true;
}

QVResult *QVResults::NextMatching(QVResult *after, const QVResultsView *view, int field,
                                  const KString *text) const
{
    for (QVResult *r = NextResult(after); r; r = NextResult(r))
        if (Passes(*r, view, field, text))
            return r;
    return nullptr;
}

QVResult *QVResults::MatchingAt(int row, const QVResultsView *view, int field, const KString *text) const
{
    if (row < 0)
        return nullptr;
    for (QVResult *r = NextMatching(nullptr, view, field, text); r; r = NextMatching(r, view, field, text))
        if (row-- == 0)
            return r;
    return nullptr;
}

int QVResults::IndexOf(const QVResult *result, const QVResultsView *view, int field, const KString *text) const
{
    if (!result)
        return -1;
    int row = 0;
    for (QVResult *r = NextMatching(nullptr, view, field, text); r; r = NextMatching(r, view, field, text)) {
        if (r == result)
            return row;
        ++row;
    }
    return -1;
}

int QVResults::Count(const QVResultsView *view, int field, const KString *text) const
{
    int count = 0;
    for (QVResult *r = NextMatching(nullptr, view, field, text); r; r = NextMatching(r, view, field, text))
        ++count;
    return count;
}

QVResult *QVResults::NewResult()
{
    auto *result = new QVResult(this, m_nextId++);
    Send(kMsgListBefore | kMsgResultList, 0);
    AddItem(result);
    Send(kMsgListAfter | kMsgResultList, 0);
    return result;
}

void QVResults::Delete(QVResult *result)
{
    if (!result || result->Results() != this)
        return;
    Send(kMsgListBefore | kMsgResultList, 0);
    Remove(result);
    Send(kMsgListAfter | kMsgResultList, 0);
    delete result;
}

void QVResults::DeleteAllResults()
{
    Send(kMsgListBefore | kMsgResultList, 0);
    DeleteAll();
    Send(kMsgListAfter | kMsgResultList, 0);
}

void QVResults::ShowInViews(QVResult *result)
{
    Send(kMsgShowResult | kMsgNoModify, reinterpret_cast<uintptr_t>(result));
}

void QVResults::MarkFalseStarts()
{
    // The marks follow from the stored reaction times: the document counts
    // as changed only when a mark really moved (a list shown for the first
    // time, or just made, has nothing to save).
    bool changed = false;
    for (QVResult *r = NextResult(nullptr); r && !changed; r = NextResult(r))
        changed = r->m_falseStart != QVResult::IsFalseStartTime(r->ReactionTime());
    const uint32_t modify = changed ? 0 : kMsgNoModify;
    Send(kMsgBefore | kMsgResultsChanged | modify, 0);
    for (QVResult *r = NextResult(nullptr); r; r = NextResult(r))
        r->m_falseStart = QVResult::IsFalseStartTime(r->ReactionTime());
    Send(kMsgAfter | kMsgResultsChanged | modify, 0);
}

void QVResults::AnnounceResultChange(QVResult *result, bool before)
{
    Send((before ? kMsgBefore : kMsgAfter) | kMsgResultChanged, reinterpret_cast<uintptr_t>(result));
}

void QVResults::Handle(const KMessage &message)
{
    for (QVResultsView *v = NextView(nullptr); v; v = NextView(v))
        v->Handle(message);
}
