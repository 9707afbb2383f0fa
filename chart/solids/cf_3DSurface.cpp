#include "chart/solids/cf_3DSurface.h"

#include "chart/solids/cf_3DBoxHedra.h"

cf_3DSurface::cf_3DSurface() : cf_3DSurface(nullptr)
{
    CreateDispAttribs();
}

cf_3DSurface::cf_3DSurface(cf_DispAttribs *borrowed) : cf_FacetedObj(borrowed)
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
    AssignFaceted(other);
    return *this;
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
