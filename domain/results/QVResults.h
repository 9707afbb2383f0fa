#pragma once
// QVResults: the sorted list of the trials of one leg, with the views that
// list them. The list owns its results and its views and deletes them. It is
// a message object under its leg: adding and removing results is announced
// as a list change (topic 15), a result's own changes as topic 14, and the
// messages of the leg's tree reach its views. GUI thread; the event's lock
// is held around every change (see QVEvent).

#include <cstdint>

#include "foundation/containers/KList.h"
#include "foundation/containers/KSortedList.h"
#include "foundation/messages/KMessageObject.h"

class KStream;
class KString;
class QVEvent;
class QVResult;
class QVResultsView;
class VLeg;
class VRaceTime;

class QVResults : public KSortedList, public KMessageObject
{
public:
    // Most results a list takes from a file.
    static constexpr int32_t kMaxResults = 100000;

    explicit QVResults(VLeg *leg = nullptr);
    ~QVResults() override;

    VLeg *Leg() const { return m_leg; }
    QVEvent *Event() const;

    // Views: the first for none, then the one after view; none at the end.
    QVResultsView *NextView(QVResultsView *view) const;
    QVResultsView *NewView();
    int ViewCount() const { return m_views.Count(); }

    // Every result, in list order (first for none).
    QVResult *NextResult(QVResult *result) const;
    int ResultCount() const { return Count(); }

    // The queries over the results a view lists (no view: every result);
    // with field >= 0 and a text only results whose field equals the text
    // (case ignored) count.
    QVResult *NextMatching(QVResult *after, const QVResultsView *view, int field = -1,
                           const KString *text = nullptr) const;
    QVResult *MatchingAt(int row, const QVResultsView *view, int field = -1, const KString *text = nullptr) const;
    // Row of result among the matching ones; -1 when it is not among them.
    int IndexOf(const QVResult *result, const QVResultsView *view, int field = -1,
                const KString *text = nullptr) const;
    int Count(const QVResultsView *view, int field = -1, const KString *text = nullptr) const;
    using KSortedList::Count;

    // Appends an empty result and answers it.
    QVResult *NewResult();
    // Removes and destroys result (ignored when it is not in this list).
    void Delete(QVResult *result);
    void DeleteAllResults();
    // Asks the window of every view to show result.
    void ShowInViews(QVResult *result);
    // Sets the false-start mark of every result to "reaction time valid and
    // below 100 ms".
    void MarkFalseStarts();

    // Passes a message of the event's tree to the views.
    void Handle(const KMessage &message) override;

    // Queries of the image side (QVResultsQueries.cpp). Timed results hold a
    // valid finish time; flagged ones carry the per-image print flag. The
    // Next... walks start after result (first for none) and answer none at
    // the end.
    QVResult *NextTimed(QVResult *after) const;
    QVResult *NextUntimed(QVResult *after) const;
    // The timed result whose finish time is closest to time; none without one.
    QVResult *NearestTimed(const VRaceTime &time) const;
    // The next result that passes the view's filter (no view: every
    // result) and carries the flag.
    QVResult *NextFlagged(QVResult *after, const QVResultsView *view = nullptr) const;
    void SetFlagAll(bool on);
    // The first result whose text field equals text (case ignored); none.
    QVResult *FindByField(int field, const KString &text) const;
    // True when a timed result other than except lies within the list's
    // threshold of time.
    bool IsNearTimed(const VRaceTime &time, const QVResult *except = nullptr) const;
    // The list's threshold for IsNearTimed, in ticks (default 0.01 s).
    int64_t NearThreshold() const { return m_nearThreshold; }
    void SetNearThreshold(int64_t ticks) { m_nearThreshold = ticks; }
    // Option flags; bit 0: ask before a result entered from an image is
    // added to the list.
    uint32_t OptionFlags() const { return m_optionFlags; }
    void SetOptionFlags(uint32_t flags) { m_optionFlags = flags; }

    // The list record: views, results. Read replaces everything.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

protected:
    // Results keep the order they were added in (equal items of a sorted
    // list stay in insertion order), so adding appends at once.
    void Add(KListItem *item) override;

private:
    friend class QVResult;
    void AnnounceResultChange(QVResult *result, bool before);
    bool Passes(const QVResult &result, const QVResultsView *view, int field, const KString *text) const;

    VLeg *m_leg;
    KList m_views;
    int32_t m_nextId = 1;
    int64_t m_nearThreshold = 800;   // image-side queries: 0.01 s in ticks
    uint32_t m_optionFlags = 0;
};
