#pragma once
// QVTraceInfo: one entry of a trace overlay: the row of the results list
// whose trial is drawn. Made from the selected cell; owned by the overlay
// list that holds it. GUI thread.

#include <cstdint>

#include "foundation/containers/KList.h"
#include "foundation/values/KPoint.h"

class QVTraceInfo : public KListItem
{
public:
    explicit QVTraceInfo(const KPoint &cell) : m_row(cell.y) {}

    int32_t Row() const { return m_row; }

private:
    int32_t m_row;
};
