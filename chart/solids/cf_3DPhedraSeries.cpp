#include "chart/solids/cf_3DPhedraSeries.h"

#include "chart/solids/cf_3DBoxHedra.h"
#include "chart/solids/cf_3DRadialHedra.h"
#include "chart/solids/cf_PaintOrder.h"

cf_3DPhedraSeries::cf_3DPhedraSeries() : cf_3DPhedraSeries(nullptr)
{
    CreateDispAttribs();
}

cf_3DPhedraSeries::cf_3DPhedraSeries(cf_DispAttribs *borrowed) : cf_SolidCompound(borrowed)
{
}

cf_3DPhedraSeries::~cf_3DPhedraSeries() = default;

cf_3DPhedraSeries &cf_3DPhedraSeries::operator=(const cf_3DPhedraSeries &other)
{
    if (this == &other)
        return *this;
    AssignCompound(other);
    parts = other.parts;
    return *this;
}

void cf_3DPhedraSeries::Reset()
{
    // The members are owned: dropping them deletes them.
    parts.Clear();
    ext.ClearWork();
}

cf_3DPolyHedra *cf_3DPhedraSeries::Member(int i) const
{
    return parts.At(i);
}

void cf_3DPhedraSeries::AddPolyhedron(cf_3DPolyHedra *solid)
{
    if (!solid)
        return;
    parts.Put(solid);
    solid->Scale(ext.scale[0], ext.scale[1], ext.scale[2]);
    solid->Translate(ext.offset[0], ext.offset[1], ext.offset[2]);
    ext.TakePart(*solid, parts.Count() == 1);
}

void cf_3DPhedraSeries::AddBox(cf_3DPolyHedra *box)
{
    if (HasDispAttribs())
        box->SetDispAttribs(DispAttribs());
    box->SetNoBrush(1);
    box->SetNoPen(1);
    box->SetSortByOverlap(0);
    box->SetSortByDepth(1);
    box->SetCullBackFaces(1);
    AddPolyhedron(box);
}

void cf_3DPhedraSeries::AddBar(double x0, double x1, double y0, double y1, double z0, double z1)
{
    AddBox(new cf_3DBarHedra(x0, x1, y0, y1, z0, z1, HasDispAttribs() ? DispAttribs() : nullptr));
}

void cf_3DPhedraSeries::AddColumn(double x0, double x1, double y0, double y1, double z0, double z1)
{
    AddBox(new cf_3DColumnHedra(x0, x1, y0, y1, z0, z1, HasDispAttribs() ? DispAttribs() : nullptr));
}

void cf_3DPhedraSeries::AddStack(double x0, double x1, double y0, double y1, double z0, double z1)
{
    AddBox(new cf_3DStackHedra(x0, x1, y0, y1, z0, z1, HasDispAttribs() ? DispAttribs() : nullptr));
}

void cf_3DPhedraSeries::AddRadial(const cf_3DPoint &a, const cf_3DPoint &b, double r, double a0,
                                  double a1, double heightPercent, double explodePercent,
                                  unsigned char wedgeFlag, cf_DispAttribs *attribs)
{
    auto *wedge = new cf_3DRadialHedra(a, b, r, a0, a1, heightPercent, explodePercent, wedgeFlag,
                                       attribs);
    AddPolyhedron(wedge);
    wedge->SetSortByOverlap(1);
    wedge->SetSortByDepth(0);
    wedge->SetCullBackFaces(1);
}

void cf_3DPhedraSeries::SortMembersByDepth()
{
    if (!SortByDepth())
        return;
    cf_BubbleOrder<cf_3DPolyHedra>(parts.Slots(), parts.Count(), [](const cf_3DPolyHedra &a, const cf_3DPolyHedra &b) {
        // Farther first; among equal depths the larger depth key first.
        return a.AnchorViewZ() > b.AnchorViewZ() ||
               (a.AnchorViewZ() == b.AnchorViewZ() && a.DepthKey() < b.DepthKey());
    });
}

void cf_3DPhedraSeries::SortMembersByOverlap()
{
    if (!SortByOverlap())
        return;
    cf_PairwiseOrder<cf_3DPolyHedra>(parts.Slots(), parts.Count(), [](const cf_3DPolyHedra &a, const cf_3DPolyHedra &b) {
        const cf_3DFacet *fa = a.LastFacet(), *fb = b.LastFacet();
        return fa && fb && fa->MustFollow(*fb);
    });
}

void cf_3DPhedraSeries::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}
