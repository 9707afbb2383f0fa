#pragma once
// QVZChartTimeLine: one vertical marker line of the chart (Set, Gun, Legal,
// a reaction time): its label, its position in samples from the start of the
// time window and, for a reaction line, its value in seconds. In a
// KSortedList the lines run from the largest position to the smallest;
// lines at one position keep the order they were added in.

#include "foundation/containers/KSortedList.h"
#include "foundation/strings/KString.h"

class QVZChartTimeLine : public KSortedListItem
{
public:
    static constexpr double kNoValue = -100.0;

    QVZChartTimeLine(const KString &label, int position, double value = kNoValue)
        : label(label), position(position), value(value)
    {
    }

    bool OrdersBefore(const KSortedListItem &other) const override
    {
        return static_cast<const QVZChartTimeLine &>(other).position < position;
    }

    bool HasValue() const { return value != kNoValue; }

    KString label;
    int position;
    double value;
};
