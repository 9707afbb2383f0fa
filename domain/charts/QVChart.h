#pragma once
// QVChart: one chart of a leg (the force or power chart of its trials) with
// its views, one per window that shows it. The chart owns its views and is
// owned by its leg; it passes the leg's messages to its views. GUI thread.

#include <cstdint>

#include "foundation/containers/KList.h"

class KMessage;
class KStream;
class QVChartView;
class VLeg;

class QVChart : public KListItem
{
public:
    // Most views a chart takes from a file.
    static constexpr int32_t kMaxViews = 16;

    explicit QVChart(VLeg *leg = nullptr);
    ~QVChart() override;

    VLeg *Leg() const { return m_leg; }
    // View n (from 0); with create set, views up to n are made when missing.
    // None when n is negative or beyond kMaxViews, or missing without create.
    QVChartView *View(int n, bool create);
    int ViewCount() const { return m_views.Count(); }

    void Handle(const KMessage &message);

    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    VLeg *m_leg;
    KList m_views;
};
