#include "chart/solids/cf_3DPolyHedra.h"

#include "chart/solids/cf_PaintOrder.h"

#include <cmath>

cf_3DPolyHedra::cf_3DPolyHedra() : cf_3DPolyHedra(nullptr)
{
    CreateDispAttribs();
}

cf_3DPolyHedra::cf_3DPolyHedra(cf_DispAttribs *borrowed) : cf_Virt3DObj(borrowed)
{
    facets.Grow(25);
    cf_Virt3DObj::SetSortByOverlap(0);
    cf_Virt3DObj::SetSortByDepth(1);
    cf_Virt3DObj::SetCullBackFaces(1);
}

cf_3DPolyHedra::~cf_3DPolyHedra()
{
    DeleteFacets();
}

cf_3DPolyHedra &cf_3DPolyHedra::operator=(const cf_3DPolyHedra &other)
{
    if (this == &other)
        return *this;
    cf_Virt3DObj::operator=(other);
    ext.AssignFrom(other.ext);
    anchor = other.anchor;
    depthKey = other.depthKey;
    DeleteFacets();
    for (int i = 1; i <= other.count; ++i) {
        auto *copy = new cf_3DFacet;
        *copy = *other.Facet(i);
        facets.At(i) = copy;
    }
    count = stored = other.count;
    return *this;
}

void cf_3DPolyHedra::DeleteFacets()
{
    for (int i = 1; i <= stored; ++i) {
        delete static_cast<cf_3DFacet *>(facets.At(i));
        facets.At(i) = nullptr;
    }
    count = stored = 0;
}

void cf_3DPolyHedra::Reset()
{
    // The faces are owned: dropping them deletes them.
    DeleteFacets();
    ext.ClearWork();
}

cf_3DFacet *cf_3DPolyHedra::Facet(int i) const
{
    if (i < 1 || i > count)
        return nullptr;
    return static_cast<cf_3DFacet *>(const_cast<cf_DyArr &>(facets).At(i));
}

void cf_3DPolyHedra::AddFacet(cf_3DFacet *facet)
{
    if (!facet)
        return;
    ++count;
    if (count <= stored)
        delete static_cast<cf_3DFacet *>(facets.At(count)); // dropped by SetFacetCount
    facets.At(count) = facet;
    if (count > stored)
        stored = count;
    if (HasDispAttribs()) {
        facet->SetDispAttribs(DispAttribs());
    } else {
        facet->SetNoPen(1);
        facet->SetNoBrush(1);
    }
    facet->SetSortByOverlap(SortByOverlap());
    facet->SetSortByDepth(SortByDepth());
    facet->SetCullBackFaces(CullBackFaces());
    facet->Scale(ext.scale[0], ext.scale[1], ext.scale[2]);
    facet->Translate(ext.offset[0], ext.offset[1], ext.offset[2]);
    ext.TakePart(*facet, count == 1);
}

cf_3DFacet *cf_3DPolyHedra::NewFacet(const cf_3DPoint *const *points, int n)
{
    auto *facet = new cf_3DFacet(HasDispAttribs() ? DispAttribs() : nullptr);
    for (int i = 0; i < n; ++i)
        facet->AddPoint(*points[i]);
    return facet;
}

void cf_3DPolyHedra::Transform(const cf_Kernel &kernel)
{
    for (int i = 1; i <= count; ++i)
        Facet(i)->Transform(kernel);
    UpdateDepthKey(kernel);
    for (int i = 1; i <= count; ++i)
        ext.TakeViewOf(*Facet(i), i == 1);
    ext.FinishView();
    if (SortByDepth() == 1)
        SortFacetsByDepth();
    if (SortByOverlap() == 1)
        SortFacetsByOverlap();
}

void cf_3DPolyHedra::SortFacetsByDepth()
{
    if (!SortByDepth())
        return;
    cf_BubbleOrder<cf_3DFacet>(facets, count, [](const cf_3DFacet &a, const cf_3DFacet &b) {
        return b.ViewMinZ() < a.ViewMinZ();
    });
}

void cf_3DPolyHedra::SortFacetsByOverlap()
{
    if (!SortByOverlap())
        return;
    cf_PairwiseOrder<cf_3DFacet>(facets, count, [](const cf_3DFacet &a, const cf_3DFacet &b) {
        return a.MustFollow(b);
    });
}

void cf_3DPolyHedra::UpdateDepthKey(const cf_Kernel &kernel)
{
    anchor.Transform(kernel);
    double vx = anchor.ViewX(), vy = anchor.ViewY();
    if (anchor.DataY() == 0)
        depthKey = std::fabs(vx);
    else if (anchor.DataX() == 0)
        depthKey = std::fabs(vy);
    else
        depthKey = std::sqrt(vx * vx + vy * vy);
}

void cf_3DPolyHedra::Project(const cf_Kernel &kernel)
{
    for (int i = 1; i <= count; ++i)
        Facet(i)->Project(kernel);
    ProjectAnchor(kernel);
    prepared = 1;
}

void cf_3DPolyHedra::ProjectAnchor(const cf_Kernel &kernel)
{
    anchor.Project(kernel);
}

void cf_3DPolyHedra::Scale(double sx, double sy, double sz)
{
    const double saved[3] = {ext.offset[0], ext.offset[1], ext.offset[2]};
    // The solid's own translation: a kind's extra parts follow in its Scale.
    cf_3DPolyHedra::Translate(-saved[0], -saved[1], -saved[2]);
    for (int i = 1; i <= count; ++i)
        Facet(i)->Scale(sx, sy, sz);
    anchor.Scale(sx, sy, sz);
    ext.Scaled(sx, sy, sz);
    cf_3DPolyHedra::Translate(saved[0], saved[1], saved[2]);
}

void cf_3DPolyHedra::Translate(double dx, double dy, double dz)
{
    for (int i = 1; i <= count; ++i)
        Facet(i)->Translate(dx, dy, dz);
    anchor.Translate(dx, dy, dz);
    ext.Translated(dx, dy, dz);
}

void cf_3DPolyHedra::SetSortByOverlap(unsigned char flag)
{
    cf_Virt3DObj::SetSortByOverlap(flag);
    for (int i = 1; i <= count; ++i)
        Facet(i)->SetSortByOverlap(flag);
}

void cf_3DPolyHedra::SetSortByDepth(unsigned char flag)
{
    cf_Virt3DObj::SetSortByDepth(flag);
    for (int i = 1; i <= count; ++i)
        Facet(i)->SetSortByDepth(flag);
}

void cf_3DPolyHedra::SetCullBackFaces(unsigned char flag)
{
    cf_Virt3DObj::SetCullBackFaces(flag);
    for (int i = 1; i <= count; ++i)
        Facet(i)->SetCullBackFaces(flag);
}

void cf_3DPolyHedra::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}

void cf_3DPolyHedra::DrawFormB(bf_Display *display)
{
    if (!display)
        return;
    SelectPen(display);
    SelectBrush(display);
    for (int i = 1; i <= count; ++i)
        Facet(i)->DrawFormB(display);
    ReleaseBrush(display);
    ReleasePen(display);
}
