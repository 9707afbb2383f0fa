#include "chart/solids/cf_3DPolyHedra.h"

#include <cmath>

cf_3DPolyHedra::cf_3DPolyHedra() : cf_3DPolyHedra(nullptr)
{
    CreateDispAttribs();
}

cf_3DPolyHedra::cf_3DPolyHedra(cf_DispAttribs *borrowed) : cf_Virt3DObj(borrowed)
{
    cf_Virt3DObj::SetSortByOverlap(0);
    cf_Virt3DObj::SetSortByDepth(1);
    cf_Virt3DObj::SetCullBackFaces(1);
}

cf_3DPolyHedra::~cf_3DPolyHedra() = default;

cf_3DPolyHedra &cf_3DPolyHedra::operator=(const cf_3DPolyHedra &other)
{
    if (this == &other)
        return *this;
    cf_Virt3DObj::operator=(other);
    ext.AssignFrom(other.ext);
    anchor = other.anchor;
    depthKey = other.depthKey;
    faces = other.faces;
    return *this;
}

void cf_3DPolyHedra::Reset()
{
    // The faces are owned: dropping them deletes them.
    faces.Clear();
    ext.ClearWork();
}

cf_3DFacet *cf_3DPolyHedra::Facet(int i) const
{
    return faces.At(i);
}

void cf_3DPolyHedra::AddFacet(cf_3DFacet *facet)
{
    faces.Add(facet, *this, ext);
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
    faces.ForEach([&](cf_3DFacet &face) { face.Transform(kernel); });
    UpdateDepthKey(kernel);
    for (int i = 1; i <= faces.Count(); ++i)
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
    faces.OrderByDepth();
}

void cf_3DPolyHedra::SortFacetsByOverlap()
{
    if (!SortByOverlap())
        return;
    faces.OrderByOverlap();
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
    faces.ForEach([&](cf_3DFacet &face) { face.Project(kernel); });
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
    faces.ForEach([&](cf_3DFacet &face) { face.Scale(sx, sy, sz); });
    anchor.Scale(sx, sy, sz);
    ext.Scaled(sx, sy, sz);
    cf_3DPolyHedra::Translate(saved[0], saved[1], saved[2]);
}

void cf_3DPolyHedra::Translate(double dx, double dy, double dz)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Translate(dx, dy, dz); });
    anchor.Translate(dx, dy, dz);
    ext.Translated(dx, dy, dz);
}

void cf_3DPolyHedra::SetSortByOverlap(unsigned char flag)
{
    cf_Virt3DObj::SetSortByOverlap(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByOverlap(flag); });
}

void cf_3DPolyHedra::SetSortByDepth(unsigned char flag)
{
    cf_Virt3DObj::SetSortByDepth(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByDepth(flag); });
}

void cf_3DPolyHedra::SetCullBackFaces(unsigned char flag)
{
    cf_Virt3DObj::SetCullBackFaces(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetCullBackFaces(flag); });
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
    faces.ForEach([&](cf_3DFacet &face) { face.DrawFormB(display); });
    ReleaseBrush(display);
    ReleasePen(display);
}
