#include "chart/solids/cf_FacetStore.h"

#include "chart/solids/cf_PaintOrder.h"

void cf_FacetStore::Add(cf_3DFacet *facet, cf_Virt3DObj &owner, cf_CompoundExtents &ext)
{
    if (!facet)
        return;
    Put(facet);
    if (owner.HasDispAttribs()) {
        facet->SetDispAttribs(owner.DispAttribs());
    } else {
        facet->SetNoPen(1);
        facet->SetNoBrush(1);
    }
    facet->SetSortByOverlap(owner.SortByOverlap());
    facet->SetSortByDepth(owner.SortByDepth());
    facet->SetCullBackFaces(owner.CullBackFaces());
    facet->Scale(ext.scale[0], ext.scale[1], ext.scale[2]);
    facet->Translate(ext.offset[0], ext.offset[1], ext.offset[2]);
    ext.TakePart(*facet, Count() == 1);
}

void cf_FacetStore::OrderByDepth()
{
    cf_BubbleOrder<cf_3DFacet>(Slots(), Count(), [](const cf_3DFacet &a, const cf_3DFacet &b) {
        return b.ViewMinZ() < a.ViewMinZ();
    });
}

void cf_FacetStore::OrderByOverlap()
{
    cf_PairwiseOrder<cf_3DFacet>(Slots(), Count(), [](const cf_3DFacet &a, const cf_3DFacet &b) {
        return a.MustFollow(b);
    });
}
