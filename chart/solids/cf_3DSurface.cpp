#include "chart/solids/cf_3DSurface.h"

#include "chart/solids/cf_3DBoxHedra.h"

cf_3DSurface::cf_3DSurface() : cf_3DSurface(nullptr)
{
    CreateDispAttribs();
}

cf_3DSurface::cf_3DSurface(cf_DispAttribs *borrowed) : cf_Virt3DObj(borrowed)
{
    cf_Virt3DObj::SetSortByOverlap(1);
    cf_Virt3DObj::SetSortByDepth(0);
    cf_Virt3DObj::SetCullBackFaces(0);
}

cf_3DSurface::~cf_3DSurface() = default;

cf_3DSurface &cf_3DSurface::operator=(const cf_3DSurface &other)
{
    if (this == &other)
        return *this;
    edgesInLineColour = other.edgesInLineColour;
    cf_Virt3DObj::operator=(other);
    ext.AssignFrom(other.ext);
    faces = other.faces;
    return *this;
}

cf_3DFacet *cf_3DSurface::Facet(int i) const
{
    return faces.At(i);
}

void cf_3DSurface::AddFacet(cf_3DFacet *facet)
{
    faces.Add(facet, *this, ext);
}

void cf_3DSurface::AddCopies(const cf_3DPoint *points, int n)
{
    auto *facet = new cf_3DFacet;
    for (int i = 0; i < n; ++i)
        facet->AddPoint(points[i]);
    AddFacet(facet);
}

void cf_3DSurface::AddBox(double x0, double x1, double y0, double y1, double z0, double z1)
{
    for (int f = 0; f < cf_3DBoxHedra::kFaces; ++f) {
        cf_3DPoint corners[4];
        cf_3DBoxHedra::FaceCorners(f, x0, x1, y0, y1, z0, z1, corners);
        AddCopies(corners, 4);
    }
}

void cf_3DSurface::AddSegment(double x0, double x1, double y0, double y1, double z0, double z1)
{
    const cf_3DPoint corners[4] = {cf_3DPoint(x0, y0, z1), cf_3DPoint(x1, y1, z1),
                                   cf_3DPoint(x1, y1, z0), cf_3DPoint(x0, y0, z0)};
    AddCopies(corners, 4);
}

void cf_3DSurface::Transform(const cf_Kernel &kernel)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Transform(kernel); });
    for (int i = 1; i <= faces.Count(); ++i)
        ext.TakeViewOf(*Facet(i), i == 1);
    ext.FinishView();
    if (SortByDepth() == 1)
        SortFacetsByDepth();
    if (SortByOverlap() == 1)
        SortFacetsByOverlap();
}

void cf_3DSurface::SortFacetsByDepth()
{
    if (!SortByDepth())
        return;
    faces.OrderByDepth();
}

void cf_3DSurface::SortFacetsByOverlap()
{
    if (!SortByOverlap())
        return;
    faces.OrderByOverlap();
}

void cf_3DSurface::Project(const cf_Kernel &kernel)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Project(kernel); });
    prepared = 1;
}

void cf_3DSurface::Scale(double sx, double sy, double sz)
{
    const double saved[3] = {ext.offset[0], ext.offset[1], ext.offset[2]};
    Translate(-saved[0], -saved[1], -saved[2]);
    faces.ForEach([&](cf_3DFacet &face) { face.Scale(sx, sy, sz); });
    ext.Scaled(sx, sy, sz);
    Translate(saved[0], saved[1], saved[2]);
}

void cf_3DSurface::Translate(double dx, double dy, double dz)
{
    faces.ForEach([&](cf_3DFacet &face) { face.Translate(dx, dy, dz); });
    ext.Translated(dx, dy, dz);
}

void cf_3DSurface::SetSortByOverlap(unsigned char flag)
{
    cf_Virt3DObj::SetSortByOverlap(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByOverlap(flag); });
}

void cf_3DSurface::SetSortByDepth(unsigned char flag)
{
    cf_Virt3DObj::SetSortByDepth(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetSortByDepth(flag); });
}

void cf_3DSurface::SetCullBackFaces(unsigned char flag)
{
    cf_Virt3DObj::SetCullBackFaces(flag);
    faces.ForEach([&](cf_3DFacet &face) { face.SetCullBackFaces(flag); });
}

void cf_3DSurface::DrawFormA(bf_Display *display)
{
    if (edgesInLineColour == 1 || !HasDispAttribs()) {
        DrawFormB(display);
        return;
    }
    cf_DispAttribs *attribs = DispAttribs();
    bf_Color line = attribs->LineColor();
    attribs->SetLineColor(attribs->FillColor());
    DrawFormB(display);
    attribs->SetLineColor(line);
}

void cf_3DSurface::DrawFormB(bf_Display *display)
{
    if (!display)
        return;
    SelectPen(display);
    SelectBrush(display);
    faces.ForEach([&](cf_3DFacet &face) { face.DrawFormB(display); });
    ReleaseBrush(display);
    ReleasePen(display);
}
