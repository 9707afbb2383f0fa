#pragma once
// The pane layout of an event window in percent of its client area: the
// rectangle type, the reading of one "\Event\Layout\" entry and the closing
// of the gaps that hidden panes leave. Plain values; any thread.
//
// An entry's key starts with "Summary", "Results" or "Chart" (case ignored);
// its value is "left,top,right,bottom[,name]" in percent (signed integers,
// "0x" hexadecimal and a leading 0 octal), the key being the name when the
// fifth field is missing.

#include <cstdint>
#include <vector>

class KString;

struct QVZPercentRect
{
    int32_t left = -1;
    int32_t top = -1;
    int32_t right = -1;
    int32_t bottom = -1;

    QVZPercentRect() = default;
    QVZPercentRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    // The empty rectangle is (-1, -1, -1, -1).
    bool IsEmpty() const { return left == -1 && top == -1 && right == -1 && bottom == -1; }
    void MakeEmpty() { *this = QVZPercentRect(); }
    bool operator==(const QVZPercentRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const QVZPercentRect &o) const { return !(*this == o); }
};

// Pane kinds
constexpr int kPaneKindSummary = 1;
constexpr int kPaneKindResults = 2;
constexpr int kPaneKindChart = 3;

// The kind a layout key names; 0 for none.
int QVZPaneKindOf(const KString &key);

// Reads one entry: false for an unknown key or a value without four integers.
bool QVZParseLayoutEntry(const KString &key, const KString &value, int &kind, QVZPercentRect &rect, KString &name);

// One pane as the gap closing sees it.
struct QVZPaneArea
{
    QVZPercentRect *rect;   // the current rectangle, changed in place
    bool hidden;
};

// Gives the area of every hidden pane to neighbours with a matching edge:
// sweeps of whole-edge neighbours until nothing changes, then a sweep that
// also lets a neighbour flush with one end of a side take its part; what no
// neighbour can take stays uncovered. Every hidden pane ends empty.
void QVZCloseGaps(std::vector<QVZPaneArea> &panes);
