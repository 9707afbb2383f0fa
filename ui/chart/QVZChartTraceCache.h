#pragma once
// QVZChartTraceCache: the computed arrays of the trials charted last, so
// that charting a trial again (an overlay drawn anew after the results
// changed, a trace added beside those already shown) copies its arrays
// instead of filtering and integrating its trace once more. An entry stands
// for the trace samples, the settings and the display mode it was computed
// from, compared in full, so a trial whose trace changed, or another trial
// in a freed one's place, is computed afresh. Keeps the kEntries trials used
// last: a full overlay and the selection. One cache serves every chart pane;
// GUI thread only.

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/chart/QVZChartTraces.h"

class QVResult;

class QVZChartTraceCache {
public:
    static constexpr int kEntries = 13;

    static QVZChartTraceCache &Shared();

    // The arrays QVZChartTraces::Compute would fill for the result, from a
    // kept entry when one matches; a new computation is kept in place of
    // the entry used longest ago. Valid until the next call.
    const QVZChartTraces &Computed(const QVResult *result, const QVZChartSettings &settings, int mode);
    // The same, copied into traces.
    void Compute(const QVResult *result, const QVZChartSettings &settings, int mode, QVZChartTraces &traces);
    // The computations made since the start (hits not counted).
    long Computations() const { return computations; }
    void Clear() { entries.clear(); }

private:
    struct Entry {
        QVZChartSettings settings;
        int mode = 0;
        uint64_t used = 0;
        std::unique_ptr<QVZChartTraces> traces;
    };
    Entry *Find(const QVZChartTraces &raw, const QVZChartSettings &settings, int mode);
    Entry &Slot();

    std::vector<Entry> entries;
    std::unique_ptr<QVZChartTraces> probe; // the trace decoded for the search
    uint64_t clock = 0;
    long computations = 0;
};
