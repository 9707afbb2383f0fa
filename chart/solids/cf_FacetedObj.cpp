#include "chart/solids/cf_FacetedObj.h"

void cf_FacetedObj::AssignFaceted(const cf_FacetedObj &other)
{
    AssignCompound(other);
    faces = other.faces;
}

void cf_FacetedObj::ClearFacets()
{
    // The faces are owned: dropping them deletes them.
    faces.Clear();
    ext.ClearWork();
}

void cf_FacetedObj::AddFacet(cf_3DFacet *facet)
{
    faces.Add(facet, *this, ext);
}

void cf_FacetedObj::Transform(const cf_Kernel &kernel)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Transform(kernel); });
    TransformOwnParts(kernel);
    for (int i = 1; i <= faces.Count(); ++i)
        ext.TakeViewOf(*Facet(i), i == 1);
    ext.FinishView();
    if (SortByDepth() == 1)
        SortFacetsByDepth();
    if (SortByOverlap() == 1)
        SortFacetsByOverlap();
}

void cf_FacetedObj::SortFacetsByDepth()
{
    if (SortByDepth())
        faces.OrderByDepth();
}

void cf_FacetedObj::SortFacetsByOverlap()
{
    if (SortByOverlap())
        faces.OrderByOverlap();
}

void cf_FacetedObj::Project(const cf_Kernel &kernel)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Project(kernel); });
    ProjectOwnParts(kernel);
    prepared = 1;
}

void cf_FacetedObj::Scale(double sx, double sy, double sz)
{
    const double saved[3] = {ext.offset[0], ext.offset[1], ext.offset[2]};
    MoveFacets(-saved[0], -saved[1], -saved[2]);
    faces.ForEach([&](cf_3DFacet &face) { face.Scale(sx, sy, sz); });
    ScaleOwnParts(sx, sy, sz);
    ext.Scaled(sx, sy, sz);
    MoveFacets(saved[0], saved[1], saved[2]);
}

void cf_FacetedObj::Translate(double dx, double dy, double dz)
{
    MoveFacets(dx, dy, dz);
}

void cf_FacetedObj::MoveFacets(double dx, double dy, double dz)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Translate(dx, dy, dz); });
    MoveOwnParts(dx, dy, dz);
    ext.Translated(dx, dy, dz);
}

void cf_FacetedObj::SetSortByOverlap(unsigned char flag)
{
    cf_Virt3DObj::SetSortByOverlap(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByOverlap(flag); });
}

void cf_FacetedObj::SetSortByDepth(unsigned char flag)
{
    cf_Virt3DObj::SetSortByDepth(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByDepth(flag); });
}

void cf_FacetedObj::SetCullBackFaces(unsigned char flag)
{
    cf_Virt3DObj::SetCullBackFaces(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetCullBackFaces(flag); });
}

void cf_FacetedObj::DrawFormB(bf_Display *display)
{
    if (!display)
        return;
    SelectPen(display);
    SelectBrush(display);
    faces.ForEach([&](cf_3DFacet &face) { face.DrawFormB(display); });
    ReleaseBrush(display);
    ReleasePen(display);
}
