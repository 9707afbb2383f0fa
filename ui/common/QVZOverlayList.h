#pragma once
// QVZOverlayList: the rows of the results list whose traces the chart draws
// on top of each other in overlay mode: at most 12 QVTraceInfo entries, each
// row at most once, in the order they were added. Owned by the results pane;
// the chart pane walks it. GUI thread.

#include "domain/results/QVTraceInfo.h"
#include "foundation/containers/KList.h"

class QVZOverlayList
{
public:
    QVZOverlayList() = default;
    ~QVZOverlayList();
    QVZOverlayList(const QVZOverlayList &) = delete;
    QVZOverlayList &operator=(const QVZOverlayList &) = delete;

    int Count() const { return entries.Count(); }
    bool IsFull() const;
    bool Contains(int32_t row) const;
    // Appends row; false (and nothing changes) when it is listed already or
    // the list is full.
    bool Add(int32_t row);
    // Removes the entry of row; false when it is not listed.
    bool Remove(int32_t row);
    void Clear();
    // The entry after entry (the first for none); none at the end.
    QVTraceInfo *Next(const QVTraceInfo *entry = nullptr) const;

    // Whether the program is in overlay mode (the application's switch,
    // which the results window's overlay button turns); not without an
    // application.
    static bool InOverlayMode();

private:
    QVTraceInfo *Find(int32_t row) const;

    KList entries;
};
