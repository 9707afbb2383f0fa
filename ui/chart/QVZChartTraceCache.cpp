#include "ui/chart/QVZChartTraceCache.h"

#include <algorithm>
#include <cstring>

namespace {

bool SameRaw(const QVZChartTraces &a, const QVZChartTraces &b)
{
    // Both channels: raw Y follows raw X.
    return std::memcmp(a.RawX(), b.RawX(), 2 * QVZChartTraces::kSamples * sizeof(double)) == 0;
}

} // namespace

QVZChartTraceCache &QVZChartTraceCache::Shared()
{
    static QVZChartTraceCache cache;
    return cache;
}

const QVZChartTraces &QVZChartTraceCache::Computed(const QVResult *result, const QVZChartSettings &settings,
                                                   int mode)
{
    if (!probe)
        probe = std::make_unique<QVZChartTraces>();
    probe->Decode(result);
    if (Entry *kept = Find(*probe, settings, mode)) {
        kept->used = ++clock;
        return *kept->traces;
    }
    probe->ComputeFromRaw(settings, mode);
    ++computations;
    Entry &slot = Slot();
    slot.settings = settings;
    slot.mode = mode;
    slot.used = ++clock;
    slot.traces.swap(probe); // the slot's old arrays decode the next search
    return *slot.traces;
}

void QVZChartTraceCache::Compute(const QVResult *result, const QVZChartSettings &settings, int mode,
                                 QVZChartTraces &traces)
{
    const QVZChartTraces &computed = Computed(result, settings, mode);
    if (&computed != &traces)
        traces = computed;
}

QVZChartTraceCache::Entry *QVZChartTraceCache::Find(const QVZChartTraces &raw, const QVZChartSettings &settings,
                                                    int mode)
{
    for (Entry &entry : entries)
        if (entry.mode == mode && entry.settings.SameAs(settings) && SameRaw(*entry.traces, raw))
            return &entry;
    return nullptr;
}

QVZChartTraceCache::Entry &QVZChartTraceCache::Slot()
{
    if (entries.size() < size_t(kEntries)) {
        entries.emplace_back();
        return entries.back();
    }
    return *std::min_element(entries.begin(), entries.end(),
                             [](const Entry &a, const Entry &b) { return a.used < b.used; });
}
