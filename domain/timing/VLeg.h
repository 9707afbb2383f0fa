#pragma once
// VLeg: one leg of an event: its start, its result list (none for a leg
// without trials) and its charts with their views. The leg is a message
// object under its event and passes the messages of the event's tree to its
// results and charts, whose views reach their windows. Owned by its event
// (or by whoever made it free-standing); GUI thread.

#include <cstdint>

#include "domain/timing/VStart.h"
#include "foundation/containers/KList.h"
#include "foundation/messages/KMessageObject.h"

class KPoint;
class KStream;
class QVChart;
class QVEvent;
class QVResults;

class VLeg : public KListItem, public KMessageObject
{
public:
    // Most charts a leg takes from a file.
    static constexpr int32_t kMaxCharts = 16;

    explicit VLeg(QVEvent *event = nullptr);
    ~VLeg() override;

    QVEvent *Event() const { return m_event; }
    VStart &Start() { return m_start; }
    const VStart &Start() const { return m_start; }

    // The leg's result list, or none.
    QVResults *Results() const { return m_results; }
    // Makes the result list when there is none; answers it.
    QVResults *CreateResults();

    // The n-th chart (from 0), or none.
    QVChart *Chart(int n) const;
    int ChartCount() const { return m_charts.Count(); }
    QVChart *AddChart();

    // Messages to the leg's views.
    void Select(const KPoint &cell);   // topic 25 with the cell
    void SelectNone();                 // topic 25 with (-1,-1)
    void ClearSelection();             // topic 26
    void ShowData();                   // topic 27
    void NotifyResultsChanged();       // topic 12
    void NotifyOptionsChanged();       // topic 30

    // Passes a message down to the results and the charts.
    void Handle(const KMessage &message) override;

    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    friend class QVEvent;
    void SetEvent(QVEvent *event);

    QVEvent *m_event;
    VStart m_start;
    QVResults *m_results = nullptr;
    KList m_charts;
};
