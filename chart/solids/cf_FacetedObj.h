#pragma once
// cf_FacetedObj: a compound scene object made of faces (cf_3DFacet) that it
// owns and keeps in painter's order: the base of the solid (cf_3DPolyHedra)
// and of the surface (cf_3DSurface). The operations over the faces come
// from cf_PartsCompound; a kind with parts beyond its faces (a solid's
// anchor) follows through the *OwnParts hooks.
// GUI thread only.

#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_FacetStore.h"
#include "chart/solids/cf_PartsCompound.h"

class cf_FacetedObj : public cf_PartsCompound<cf_FacetStore> {
public:
    using cf_PartsCompound::cf_PartsCompound;

    // Takes the face (null is ignored): it borrows the object's attributes
    // (or, without, draws with whatever the object selected), gets the
    // object's flags, scale and offset, and widens the extents.
    virtual void AddFacet(cf_3DFacet *facet);
    // Painter's orderings of the faces, each only while its flag is on.
    virtual void SortFacetsByDepth();
    virtual void SortFacetsByOverlap();

    // Face i (1..count), else null.
    cf_3DFacet *Facet(int i) const { return parts.At(i); }
    cf_3DFacet *FirstFacet() const { return Facet(1); }
    cf_3DFacet *LastFacet() const { return Facet(parts.Count()); }
    int FacetCount() const { return parts.Count(); }
    // Sets the count only, within 0..the number stored; the facets beyond it
    // stay owned (a later AddFacet replaces the first of them).
    void SetFacetCount(int n) { parts.SetCount(n); }

protected:
    void OrderPartsByDepth() override { SortFacetsByDepth(); }
    void OrderPartsByOverlap() override { SortFacetsByOverlap(); }
    // The scene-object state, extents and copies of other's faces.
    void AssignFaceted(const cf_FacetedObj &other);
    // Deletes every face; the working extents become 0.
    void ClearFacets();
};
