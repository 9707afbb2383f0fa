#include "chart/solids/cf_FacetedObj.h"

void cf_FacetedObj::AssignFaceted(const cf_FacetedObj &other)
{
    AssignCompound(other);
    parts = other.parts;
}

void cf_FacetedObj::ClearFacets()
{
    // The faces are owned: dropping them deletes them.
    parts.Clear();
    ext.ClearWork();
}

void cf_FacetedObj::AddFacet(cf_3DFacet *facet)
{
    parts.Add(facet, *this, ext);
}

void cf_FacetedObj::SortFacetsByDepth()
{
    if (SortByDepth())
        parts.OrderByDepth();
}

void cf_FacetedObj::SortFacetsByOverlap()
{
    if (SortByOverlap())
        parts.OrderByOverlap();
}
