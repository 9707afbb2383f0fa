#include "chart/solids/cf_FacetStore.h"

cf_FacetStore::cf_FacetStore()
{
    facets.Grow(25);
}

cf_FacetStore::~cf_FacetStore()
{
    Clear();
}

cf_FacetStore &cf_FacetStore::operator=(const cf_FacetStore &other)
{
    if (this == &other)
        return *this;
    Clear();
    for (int i = 1; i <= other.count; ++i) {
        auto *copy = new cf_3DFacet;
        *copy = *other.At(i);
        facets.At(i) = copy;
    }
    count = stored = other.count;
    return *this;
}

void cf_FacetStore::Clear()
{
    for (int i = 1; i <= stored; ++i) {
        delete static_cast<cf_3DFacet *>(facets.At(i));
        facets.At(i) = nullptr;
    }
    count = stored = 0;
}

cf_3DFacet *cf_FacetStore::At(int i) const
{
    if (i < 1 || i > count)
        return nullptr;
    return static_cast<cf_3DFacet *>(const_cast<cf_DyArr &>(facets).At(i));
}

void cf_FacetStore::Add(cf_3DFacet *facet, cf_Virt3DObj &owner, cf_CompoundExtents &ext)
{
    if (!facet)
        return;
    ++count;
    if (count <= stored)
        delete static_cast<cf_3DFacet *>(facets.At(count)); // dropped by SetCount
    facets.At(count) = facet;
    if (count > stored)
        stored = count;
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
    ext.TakePart(*facet, count == 1);
}
