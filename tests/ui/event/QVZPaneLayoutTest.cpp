// The pane layout of an event window: reading layout entries and closing
// the gaps that hidden panes leave.
#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <vector>

#include "foundation/strings/KString.h"
#include "ui/event/QVZPaneLayout.h"

namespace {

using Rect = QVZPercentRect;

struct Area
{
    Rect rect;
    bool hidden;
};

std::vector<Rect> Closed(std::vector<Area> areas)
{
    std::vector<QVZPaneArea> panes;
    for (Area &area : areas)
        panes.push_back({ &area.rect, area.hidden });
    QVZCloseGaps(panes);
    std::vector<Rect> out;
    for (const Area &area : areas)
        out.push_back(area.rect);
    return out;
}

} // namespace

void PrintTo(const QVZPercentRect &r, std::ostream *os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

TEST(QVZPaneLayout, EntriesGiveKindRectangleAndName)
{
    const struct
    {
        const wchar_t *key;
        const wchar_t *value;
        bool good;
        int kind;
        Rect rect;
        const wchar_t *name;
    } cases[] = {
        { L"Results1", L"0,0,100,26", true, kPaneKindResults, { 0, 0, 100, 26 }, L"Results1" },
        { L"Chart1", L"0,26,100,100,Bottom", true, kPaneKindChart, { 0, 26, 100, 100 }, L"Bottom" },
        { L"Summary", L"0,0,100,100,Main", true, kPaneKindSummary, { 0, 0, 100, 100 }, L"Main" },
        { L"chart7", L"0,0,50,50", true, kPaneKindChart, { 0, 0, 50, 50 }, L"chart7" },
        { L"RESULTS", L" 0x0A, 010, 90 ,-1", true, kPaneKindResults, { 10, 8, 90, -1 }, L"RESULTS" },
        { L"Graph1", L"0,0,50,50", false, 0, {}, L"" },
        { L"Res", L"0,0,50,50", false, 0, {}, L"" },
        { L"Chart2", L"0,0,100", false, 0, {}, L"" },
        { L"Chart3", L"0,,100,100", false, 0, {}, L"" },
        { L"Chart4", L"0,0,100,1x", false, 0, {}, L"" },
    };
    for (const auto &c : cases) {
        int kind = -1;
        Rect rect;
        KString name;
        ASSERT_EQ(c.good, QVZParseLayoutEntry(KString(c.key), KString(c.value), kind, rect, name)) << c.key;
        if (!c.good)
            continue;
        EXPECT_EQ(c.kind, kind) << c.key;
        EXPECT_EQ(c.rect, rect) << c.key;
        EXPECT_EQ(std::wstring(c.name), name.CStr()) << c.key;
    }
}

TEST(QVZPaneLayout, AHiddenPaneGoesToTheNeighbourSharingAWholeSide)
{
    // A second chart pane below the first: the first grows down over it.
    const auto out = Closed({ { { 0, 0, 100, 26 }, false }, { { 0, 26, 100, 63 }, false },
                              { { 0, 63, 100, 100 }, true } });
    EXPECT_EQ(Rect(0, 0, 100, 26), out[0]);
    EXPECT_EQ(Rect(0, 26, 100, 100), out[1]);
    EXPECT_TRUE(out[2].IsEmpty());
}

TEST(QVZPaneLayout, WholeSideNeighboursAreTriedLeftRightAboveBelow)
{
    const struct
    {
        std::vector<Area> areas;
        std::vector<Rect> expected;
    } cases[] = {
        // Left and right neighbours: the left one takes it.
        { { { { 0, 0, 30, 100 }, false }, { { 30, 0, 60, 100 }, true }, { { 60, 0, 100, 100 }, false } },
          { { 0, 0, 60, 100 }, {}, { 60, 0, 100, 100 } } },
        // Only a right neighbour.
        { { { { 0, 0, 40, 100 }, true }, { { 40, 0, 100, 100 }, false } }, { {}, { 0, 0, 100, 100 } } },
        // Above and below: the one above.
        { { { { 0, 0, 100, 30 }, false }, { { 0, 30, 100, 60 }, true }, { { 0, 60, 100, 100 }, false } },
          { { 0, 0, 100, 60 }, {}, { 0, 60, 100, 100 } } },
        // Only below.
        { { { { 0, 0, 100, 30 }, true }, { { 0, 30, 100, 100 }, false } }, { {}, { 0, 0, 100, 100 } } },
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].expected, Closed(cases[i].areas)) << "case " << i;
}

TEST(QVZPaneLayout, NeighboursFlushWithOneEndShareTheHiddenPaneBetweenThem)
{
    // Two panes on the left, one flush with the hidden pane's top, the other
    // with its bottom: the top one takes its strip, then the rest is a
    // whole side of the bottom one.
    const auto out = Closed({ { { 0, 0, 50, 40 }, false }, { { 0, 40, 50, 100 }, false },
                              { { 50, 0, 100, 100 }, true } });
    EXPECT_EQ(Rect(0, 0, 100, 40), out[0]);
    EXPECT_EQ(Rect(0, 40, 100, 100), out[1]);
    EXPECT_TRUE(out[2].IsEmpty());
}

TEST(QVZPaneLayout, ANeighbourFlushWithEitherEndOfAnySideTakesItsStripAcross)
{
    // One neighbour on the left, flush with the hidden pane's top or its
    // bottom: it stretches across, the rest stays uncovered. The same layout
    // mirrored and turned puts the neighbour on each of the four sides.
    struct Case
    {
        Rect neighbour, neighbourAfter;
    };
    const Rect hidden(50, 0, 100, 100);
    const Case ends[] = { { { 0, 0, 50, 40 }, { 0, 0, 100, 40 } }, { { 0, 40, 50, 100 }, { 0, 40, 100, 100 } } };
    const auto mirrored = [](const Rect &r) { return Rect(100 - r.right, r.top, 100 - r.left, r.bottom); };
    const auto turned = [](const Rect &r) { return Rect(r.top, r.left, r.bottom, r.right); };
    for (int side = 0; side < 4; ++side) {
        const auto place = [&](Rect r) {
            if (side & 1)
                r = mirrored(r);
            return side & 2 ? turned(r) : r;
        };
        for (const Case &c : ends) {
            const auto out = Closed({ { place(c.neighbour), false }, { place(hidden), true } });
            EXPECT_EQ(place(c.neighbourAfter), out[0]) << "side " << side;
            EXPECT_TRUE(out[1].IsEmpty()) << "side " << side;
        }
    }
}

TEST(QVZPaneLayout, AreaThatNoNeighbourMatchesStaysUncovered)
{
    const auto out = Closed({ { { 0, 0, 50, 50 }, false }, { { 50, 50, 100, 100 }, true } });
    EXPECT_EQ(Rect(0, 0, 50, 50), out[0]);
    EXPECT_TRUE(out[1].IsEmpty());
}

TEST(QVZPaneLayout, ShownPanesAreNeverGivenAway)
{
    const auto out = Closed({ { { 0, 0, 100, 50 }, false }, { { 0, 50, 100, 100 }, false } });
    EXPECT_EQ(Rect(0, 0, 100, 50), out[0]);
    EXPECT_EQ(Rect(0, 50, 100, 100), out[1]);
}
