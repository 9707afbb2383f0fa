#include "ui/event/QVZPaneLayout.h"

#include "foundation/strings/KString.h"

namespace {

bool HasPrefix(const KString &key, const wchar_t *prefix, int length)
{
    return key.Length() >= length && key.EqualsIgnoreCase(KString(prefix), length);
}

using Rect = QVZPercentRect;

// Whole-edge neighbours, in the order left, right, above, below: the
// neighbour takes the hidden pane's area, which becomes empty.
bool TakeWholeEdge(Rect &h, Rect &o)
{
    const bool sameRows = o.top == h.top && o.bottom == h.bottom;
    const bool sameColumns = o.left == h.left && o.right == h.right;
    if (sameRows && o.right == h.left)
        o.right = h.right;
    else if (sameRows && o.left == h.right)
        o.left = h.left;
    else if (sameColumns && o.bottom == h.top)
        o.bottom = h.bottom;
    else if (sameColumns && o.top == h.bottom)
        o.top = h.top;
    else
        return false;
    h.MakeEmpty();
    return true;
}

// One way a neighbour can be flush with one end of a side: it touches the
// hidden pane (its touching side on the pane's facing side), shares the
// aligned end, and ends short of the pane's other end.
struct PartialEdge
{
    int32_t Rect::*touching;
    int32_t Rect::*facing;
    int32_t Rect::*aligned;
    int32_t Rect::*inner;
    bool innerBefore;   // the neighbour's inner end lies before the pane's (else after)
};

constexpr PartialEdge kPartialEdges[] = {
    { &Rect::right, &Rect::left, &Rect::top, &Rect::bottom, true },
    { &Rect::right, &Rect::left, &Rect::bottom, &Rect::top, false },
    { &Rect::left, &Rect::right, &Rect::top, &Rect::bottom, true },
    { &Rect::left, &Rect::right, &Rect::bottom, &Rect::top, false },
    { &Rect::bottom, &Rect::top, &Rect::left, &Rect::right, true },
    { &Rect::bottom, &Rect::top, &Rect::right, &Rect::left, false },
    { &Rect::top, &Rect::bottom, &Rect::left, &Rect::right, true },
    { &Rect::top, &Rect::bottom, &Rect::right, &Rect::left, false },
};

// Neighbours flush with one end of a side, tried in the table's order: the
// neighbour stretches across the hidden pane, which loses the strip the
// neighbour now covers.
bool TakePartialEdge(Rect &h, Rect &o)
{
    for (const PartialEdge &e : kPartialEdges) {
        const bool inside = e.innerBefore ? o.*e.inner < h.*e.inner : o.*e.inner > h.*e.inner;
        if (o.*e.touching == h.*e.facing && o.*e.aligned == h.*e.aligned && inside) {
            o.*e.touching = h.*e.touching;
            h.*e.aligned = o.*e.inner;
            return true;
        }
    }
    return false;
}

bool Sweep(std::vector<QVZPaneArea> &panes, bool partial)
{
    bool changed = false;
    for (QVZPaneArea &hidden : panes) {
        if (!hidden.hidden)
            continue;
        for (QVZPaneArea &other : panes) {
            if (&other == &hidden || hidden.rect->IsEmpty() || other.rect->IsEmpty())
                continue;
            if (TakeWholeEdge(*hidden.rect, *other.rect) || (partial && TakePartialEdge(*hidden.rect, *other.rect))) {
                changed = true;
                break;
            }
        }
    }
    return changed;
}

} // namespace

int QVZPaneKindOf(const KString &key)
{
    if (HasPrefix(key, L"Summary", 7))
        return kPaneKindSummary;
    if (HasPrefix(key, L"Chart", 5))
        return kPaneKindChart;
    if (HasPrefix(key, L"Results", 7))
        return kPaneKindResults;
    return 0;
}

bool QVZParseLayoutEntry(const KString &key, const KString &value, int &kind, QVZPercentRect &rect, KString &name)
{
    kind = QVZPaneKindOf(key);
    if (kind == 0)
        return false;
    int32_t edges[4];
    for (int i = 0; i < 4; ++i) {
        KString field;
        if (!value.GetField(field, i))
            return false;
        field.SkipWhiteSpace();
        if (!field.ParseInt(edges[i]))
            return false;
        field.SkipWhiteSpace();
        if (!field.AtEnd())
            return false;
    }
    rect = QVZPercentRect(edges[0], edges[1], edges[2], edges[3]);
    if (!value.GetField(name, 4))
        name = key;
    return true;
}

void QVZCloseGaps(std::vector<QVZPaneArea> &panes)
{
    // Each change shrinks a hidden pane, so the sweeps end; the bound only
    // guards against layouts whose hidden panes trade area back and forth.
    for (int round = 0; round < 10000; ++round) {
        if (Sweep(panes, false))
            continue;
        if (!Sweep(panes, true))
            break;
    }
    for (QVZPaneArea &pane : panes)
        if (pane.hidden)
            pane.rect->MakeEmpty();
}
