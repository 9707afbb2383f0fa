#include "chart/solids/cf_3DPolyHedra.h"

#include <cmath>

cf_3DPolyHedra::cf_3DPolyHedra() : cf_3DPolyHedra(nullptr)
{
    CreateDispAttribs();
}

cf_3DPolyHedra::cf_3DPolyHedra(cf_DispAttribs *borrowed) : cf_SolidCompound(borrowed)
{
}

cf_3DPolyHedra::~cf_3DPolyHedra() = default;

cf_3DPolyHedra &cf_3DPolyHedra::operator=(const cf_3DPolyHedra &other)
{
    if (this == &other)
        return *this;
    AssignFaceted(other);
    anchor = other.anchor;
    depthKey = other.depthKey;
    return *this;
}

cf_3DFacet *cf_3DPolyHedra::NewFacet(const cf_3DPoint *const *points, int n)
{
    auto *facet = new cf_3DFacet(HasDispAttribs() ? DispAttribs() : nullptr);
    for (int i = 0; i < n; ++i)
        facet->AddPoint(*points[i]);
    return facet;
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

void cf_3DPolyHedra::ProjectAnchor(const cf_Kernel &kernel)
{
    anchor.Project(kernel);
}
