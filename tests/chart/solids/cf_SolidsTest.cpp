// Facets, solids, series of solids and surfaces: facing, overlap tests,
// painter's order, scaling about the offset and the wedge's geometry.

#include "chart/harness/FlatView.h"
#include "chart/harness/RecordDrawing.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/solids/cf_3DBoxHedra.h"
#include "chart/solids/cf_3DPhedraSeries.h"
#include "chart/solids/cf_3DRadialHedra.h"
#include "chart/solids/cf_3DSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

struct P {
    double x, y, z;
};

// A kernel whose view coordinates are the working ones (front view, no
// perspective), projecting the box -50..50 onto 400 x 400 pixels.
cf_Kernel FlatKernel()
{
    cf_Kernel k(100, 100, 100);
    SetFlatView(k);
    k.UpdateGeometry();
    k.PrepareRect(cf_2DRect(0, 0, 400, 400));
    return k;
}

cf_3DFacet *Facet(std::initializer_list<P> points, cf_DispAttribs *attribs = nullptr)
{
    auto *facet = new cf_3DFacet(attribs);
    for (const P &p : points)
        facet->AddPoint(cf_3DPoint(p.x, p.y, p.z));
    return facet;
}

// The recorded calls of drawing an object already transformed and projected.
template <class Object> std::vector<RecordedCall> Recorded(Object &object, bool formA = false)
{
    return RecordDrawing([&](bf_Display *d) { formA ? object.DrawFormA(d) : object.DrawFormB(d); }, 399, 399);
}

template <class Object> void Mapped(Object &object, const cf_Kernel &k)
{
    object.Transform(k);
    object.Project(k);
}

// Facets and solids that count how many of them are alive.
int liveFacets = 0;
struct CountedFacet : cf_3DFacet {
    CountedFacet() { ++liveFacets; }
    ~CountedFacet() override { --liveFacets; }
};
int liveSolids = 0;
struct CountedSolid : cf_3DPolyHedra {
    CountedSolid() { ++liveSolids; }
    ~CountedSolid() override { --liveSolids; }
};

} // namespace

TEST(cf_3DFacet, OnlyACounterClockwiseTurnFacesTheViewerAndCulledFacesDrawNothing)
{
    struct Case {
        P a, b, c;
        bool facing;
    };
    const Case cases[] = {
        {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, true},
        {{0, 0, 0}, {10, 10, 0}, {10, 0, 0}, false},
        {{0, 0, 0}, {5, 5, 0}, {10, 10, 0}, false}, // a turn of zero
    };
    cf_Kernel k = FlatKernel();
    for (const Case &c : cases) {
        std::unique_ptr<cf_3DFacet> facet(Facet({c.a, c.b, c.c}));
        facet->SetCullBackFaces(1);
        Mapped(*facet, k);
        EXPECT_EQ(c.facing, facet->IsFacing());
        EXPECT_EQ(c.facing ? 1u : 0u, Recorded(*facet).size());
        // Without culling it draws whichever way it faces.
        facet->SetCullBackFaces(0);
        EXPECT_EQ(1u, Recorded(*facet).size());
    }
}

TEST(cf_3DFacet, RangesThatOnlyTouchOverlapInXAndYButNotInDepth)
{
    cf_Kernel k = FlatKernel();
    std::unique_ptr<cf_3DFacet> left(Facet({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}));
    std::unique_ptr<cf_3DFacet> right(Facet({{10, 0, 0}, {20, 0, 0}, {20, 10, 0}}));
    std::unique_ptr<cf_3DFacet> apart(Facet({{11, 0, 0}, {20, 0, 0}, {20, 10, 0}}));
    std::unique_ptr<cf_3DFacet> front(Facet({{0, 0, 0}, {10, 0, 0}, {10, 0, 10}}));
    std::unique_ptr<cf_3DFacet> back(Facet({{0, 0, 10}, {10, 0, 10}, {10, 0, 20}}));
    std::unique_ptr<cf_3DFacet> across(Facet({{0, 0, 5}, {10, 0, 5}, {10, 0, 15}}));
    for (auto *f : {left.get(), right.get(), apart.get(), front.get(), back.get(), across.get()})
        Mapped(*f, k);
    EXPECT_TRUE(left->XYRangesOverlap(*right));
    EXPECT_TRUE(left->DeviceBoxesOverlap(*right));
    EXPECT_FALSE(left->XYRangesOverlap(*apart));
    EXPECT_FALSE(front->ZRangesOverlap(*back));
    EXPECT_TRUE(front->ZRangesOverlap(*across));
    EXPECT_TRUE(across->ZRangesOverlap(*back));
}

TEST(cf_3DFacet, ADeviceBoxSpansOnlyItsOwnPoints)
{
    cf_Kernel k = FlatKernel();
    std::unique_ptr<cf_3DFacet> a(Facet({{20, 20, 0}, {30, 20, 0}, {30, 30, 0}}));
    std::unique_ptr<cf_3DFacet> b(Facet({{35, 35, 0}, {45, 35, 0}, {45, 45, 0}}));
    Mapped(*a, k);
    Mapped(*b, k);
    EXPECT_GT(a->DevMinX(), 0);
    EXPECT_FALSE(a->DeviceBoxesOverlap(*b));
}

TEST(cf_3DPolyHedra, FacesAreDrawnNearestDepthFirstAndEqualDepthsKeepTheirOrder)
{
    cf_Kernel k = FlatKernel();
    for (int sort : {1, 0}) {
        cf_3DPolyHedra solid;
        solid.SetSortByDepth(sort);
        solid.SetCullBackFaces(0);
        cf_3DFacet *faces[4] = {Facet({{0, 0, 5}, {1, 0, 5}, {1, 1, 5}}), Facet({{2, 0, 0}, {3, 0, 0}, {3, 1, 0}}),
                                Facet({{4, 0, 0}, {5, 0, 0}, {5, 1, 0}}), Facet({{6, 0, 5}, {7, 0, 5}, {7, 1, 5}})};
        for (cf_3DFacet *f : faces)
            solid.AddFacet(f);
        solid.Transform(k);
        const std::vector<cf_3DFacet *> expected =
            sort ? std::vector<cf_3DFacet *>{faces[1], faces[2], faces[0], faces[3]}
                 : std::vector<cf_3DFacet *>{faces[0], faces[1], faces[2], faces[3]};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(expected[std::size_t(i)], solid.Facet(i + 1)) << "sort " << sort << ", face " << i + 1;
    }
}

TEST(cf_3DPolyHedra, FacesDroppedByCountOrResetAreDeleted)
{
    cf_3DPolyHedra solid;
    auto add = [&solid](int i) {
        auto *facet = new CountedFacet;
        facet->AddPoint(cf_3DPoint(i, i, i));
        solid.AddFacet(facet);
    };
    for (int i = 0; i < 3; ++i)
        add(i);
    ASSERT_EQ(3, liveFacets);
    // A count beyond the faces stored is held to them.
    solid.SetFacetCount(7);
    EXPECT_EQ(3, solid.FacetCount());
    solid.Transform(FlatKernel());
    // A face added after the count was lowered replaces a dropped one.
    solid.SetFacetCount(1);
    add(5);
    EXPECT_EQ(3, liveFacets); // four made, the replaced one deleted
    EXPECT_EQ(2, solid.FacetCount());
    solid.Reset();
    EXPECT_EQ(0, liveFacets);
    EXPECT_EQ(0, solid.FacetCount());
    EXPECT_DOUBLE_EQ(0, solid.WorkMaxX());

    cf_3DPhedraSeries series;
    series.AddPolyhedron(new CountedSolid);
    series.AddPolyhedron(new CountedSolid);
    ASSERT_EQ(2, liveSolids);
    series.Reset();
    EXPECT_EQ(0, liveSolids);
    EXPECT_EQ(0, series.MemberCount());
}

TEST(cf_3DPolyHedra, ACopyOwnsCopiesOfTheCountedFacesOnly)
{
    cf_3DPolyHedra solid;
    for (int i = 0; i < 3; ++i) {
        auto *facet = new CountedFacet;
        facet->AddPoint(cf_3DPoint(i, i, i));
        solid.AddFacet(facet);
    }
    solid.SetFacetCount(2);
    cf_3DPolyHedra copy;
    copy = solid;
    ASSERT_EQ(2, copy.FacetCount());
    EXPECT_NE(solid.Facet(2), copy.Facet(2));
    EXPECT_DOUBLE_EQ(1, copy.Facet(2)->MaxX());
    // The face the count left behind in the source was not copied.
    copy.SetFacetCount(3);
    EXPECT_EQ(2, copy.FacetCount());
    solid.Reset();
    EXPECT_EQ(0, liveFacets);
    EXPECT_DOUBLE_EQ(1, copy.Facet(2)->MaxX());
}

TEST(cf_3DPolyHedra, ScalingATranslatedBoxWorksAboutItsOffset)
{
    cf_3DColumnHedra box(0, 1, 0, 1, 0, 1, nullptr);
    box.Translate(5, 0, 0);
    box.Scale(2, 1, 1);
    EXPECT_DOUBLE_EQ(5, box.XOffset());
    EXPECT_DOUBLE_EQ(5, box.WorkMinX());
    EXPECT_DOUBLE_EQ(7, box.WorkMaxX());
    EXPECT_DOUBLE_EQ(2, box.XScale());
    for (int f = 1; f <= box.FacetCount(); ++f) {
        EXPECT_DOUBLE_EQ(f == 4 ? 7 : 5, box.Facet(f)->WorkMinX()) << f; // face 4 is x = x1
        EXPECT_DOUBLE_EQ(f == 3 ? 5 : 7, box.Facet(f)->WorkMaxX()) << f; // face 3 is x = x0
    }
    // A face added later is scaled and moved with the solid.
    box.AddFacet(Facet({{1, 0, 0}, {1, 1, 0}, {1, 1, 1}}));
    EXPECT_DOUBLE_EQ(7, box.LastFacet()->WorkMinX());
}

TEST(cf_3DRadialHedra, TheWedgeIsPushedOutAlongItsMiddleAngle)
{
    const double pi = 3.141592653;
    cf_3DPoint floor(0, 0, 0), top(0, 10, 0);
    for (double explode : {0.0, 10.0}) {
        cf_3DRadialHedra wedge(floor, top, 20, 0, pi / 2, 100, explode, 1, nullptr);
        const cf_3DPoint &centre = wedge.WedgePoint(cf_3DRadialHedra::kCentre);
        double e = 20 * explode / 100;
        EXPECT_NEAR(e * std::cos(pi / 4), centre.DataX(), 1e-9);
        EXPECT_NEAR(-e * std::sin(pi / 4), centre.DataZ(), 1e-9);
        const cf_3DPoint &rim = wedge.WedgePoint(cf_3DRadialHedra::kRimStart);
        EXPECT_NEAR(20 + e, std::hypot(rim.DataX() - centre.DataX(), rim.DataZ() - centre.DataZ()), 1e-9);
        EXPECT_DOUBLE_EQ(10, wedge.WedgePoint(cf_3DRadialHedra::kTop + cf_3DRadialHedra::kCentre).DataY());
        EXPECT_EQ(4, wedge.FacetCount());
    }
}

TEST(cf_3DRadialHedra, AWedgeDrawsItsCapsAsSectorsInItsColours)
{
    const double pi = 3.141592653;
    cf_DispAttribs attribs;
    attribs.SetFillColor(bf_Color(12));
    cf_3DPoint floor(0, 0, 0), top(0, 10, 0);
    cf_3DRadialHedra wedge(floor, top, 40, pi / 2, pi, 100, 0, 1, &attribs);
    cf_Kernel k = FlatKernel();
    k.SetViewAngles(30, 0);
    k.UpdateGeometry();
    k.PrepareRect(cf_2DRect(0, 0, 400, 400));
    Mapped(wedge, k);
    int sectors = 0;
    for (const RecordedCall &c : Recorded(wedge))
        if (c.op == "Ellipse" && c.fill) {
            ++sectors;
            EXPECT_EQ(12, c.background);
            EXPECT_NEAR(90, c.startAngle, 1.5);
            EXPECT_NEAR(180, c.endAngle, 1.5);
        }
    EXPECT_EQ(2, sectors); // bottom and top
    EXPECT_EQ(bf_Color(0), attribs.LineColor());
}

TEST(cf_3DPhedraSeries, SolidsAreDrawnFarthestFirstAndAtEqualDepthLargerKeyFirst)
{
    cf_Kernel k = FlatKernel();
    cf_3DPhedraSeries series;
    series.AddColumn(0.5, 1.5, 0, 1, 0, 1);   // anchor x 1
    series.AddColumn(2.5, 3.5, 0, 1, 0, 1);   // anchor x 3, same depth
    series.AddColumn(0, 1, 0, 1, -6, -4);     // farther away
    cf_3DPolyHedra *front1 = series.Member(1), *front3 = series.Member(2), *back = series.Member(3);
    series.Transform(k);
    EXPECT_EQ(back, series.Member(1));
    EXPECT_EQ(front3, series.Member(2));
    EXPECT_EQ(front1, series.Member(3));
    EXPECT_DOUBLE_EQ(3, series.Member(2)->DepthKey());
}

TEST(cf_3DPhedraSeries, BoxSolidsDrawTheirFacesInTheSeriesColours)
{
    cf_3DPhedraSeries series;
    series.DispAttribs()->SetFillColor(bf_Color(10));
    series.AddBar(-10, 10, -10, 10, -10, 10);
    series.SetCullBackFaces(0);
    EXPECT_DOUBLE_EQ(-10, series.WorkMinX());
    cf_Kernel k = FlatKernel();
    Mapped(series, k);
    std::vector<RecordedCall> calls = Recorded(series);
    ASSERT_EQ(6u, calls.size());
    for (const RecordedCall &c : calls) {
        EXPECT_EQ("Polygon", c.op);
        EXPECT_EQ(10, c.background);
    }
}

TEST(cf_3DSurface, BackFacesShowUntilCullingHidesThemAtTheNextTransform)
{
    cf_Kernel k = FlatKernel();
    cf_3DSurface surface;
    surface.AddSegment(10, 0, 0, 10, 0, 0); // clockwise in view: faces away
    Mapped(surface, k);
    EXPECT_EQ(1u, Recorded(surface).size());
    surface.SetCullBackFaces(1);
    EXPECT_EQ(1u, Recorded(surface).size());
    Mapped(surface, k);
    EXPECT_EQ(0u, Recorded(surface).size());
    // Its view extents are its own; the scene object's answer 0.
    EXPECT_DOUBLE_EQ(10, surface.SurfaceViewMaxX());
    EXPECT_DOUBLE_EQ(0, static_cast<cf_Virt3DObj &>(surface).ViewMaxX());
}

TEST(cf_3DSurface, TheNearerOfTwoOverlappingFacesIsDrawnLast)
{
    cf_Kernel k = FlatKernel();
    cf_3DSurface surface;
    cf_3DFacet *nearer = Facet({{0, 0, 10}, {10, 0, 10}, {10, 10, 10}, {0, 10, 10}});
    cf_3DFacet *farther = Facet({{5, 5, 0}, {15, 5, 0}, {15, 15, 0}, {5, 15, 0}});
    surface.AddFacet(nearer);
    surface.AddFacet(farther);
    surface.Transform(k);
    EXPECT_EQ(farther, surface.Facet(1));
    EXPECT_EQ(nearer, surface.Facet(2));
    // Faces beside each other keep their order.
    cf_3DSurface apart;
    cf_3DFacet *first = Facet({{0, 0, 10}, {10, 0, 10}, {10, 10, 10}});
    apart.AddFacet(first);
    apart.AddFacet(Facet({{20, 0, 0}, {30, 0, 0}, {30, 10, 0}}));
    apart.Transform(k);
    EXPECT_EQ(first, apart.Facet(1));
}

TEST(cf_3DSurface, EdgesInTheFillColourLeaveTheLineColourAsItWas)
{
    cf_Kernel k = FlatKernel();
    cf_DispAttribs attribs;
    attribs.SetLineColor(bf_Color(4));
    attribs.SetFillColor(bf_Color(9));
    cf_3DSurface surface(&attribs);
    surface.AddBox(-10, 10, -10, 10, -10, 10);
    surface.SetEdgesInLineColour(0);
    Mapped(surface, k);
    for (bool formA : {true, false}) {
        std::vector<RecordedCall> calls = Recorded(surface, formA);
        ASSERT_EQ(6u, calls.size());
        for (const RecordedCall &c : calls)
            EXPECT_EQ(formA ? 9 : 4, c.foreground);
        EXPECT_EQ(bf_Color(4), attribs.LineColor());
    }
}

TEST(cf_3DSurface, FacesInACyclicOverlapAreOrderedAndDrawnWithoutHanging)
{
    // Each of the three faces lies partly in front of the next.
    cf_3DSurface surface;
    surface.AddFacet(Facet({{-1, 9, 11}, {-3, -15, -17}, {-12, -6, -17}}));
    surface.AddFacet(Facet({{2, -10, -2}, {-13, -6, 19}, {2, 1, -12}}));
    surface.AddFacet(Facet({{-18, 17, 19}, {6, -14, -16}, {12, 19, 7}}));
    cf_Kernel k = FlatKernel();
    Mapped(surface, k);
    EXPECT_TRUE(surface.Facet(1)->MustFollow(*surface.Facet(2)) ||
                surface.Facet(2)->MustFollow(*surface.Facet(3)) ||
                surface.Facet(1)->MustFollow(*surface.Facet(3)));
    EXPECT_EQ(3u, Recorded(surface).size());
}
