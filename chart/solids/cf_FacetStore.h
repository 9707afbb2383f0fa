#pragma once
// cf_FacetStore: the faces (cf_3DFacet) a solid or surface owns, in slots
// 1..count of a growable array. Slots count + 1..stored still hold owned
// faces that a shortened count left behind; the next face taken replaces
// the first of them. Adding a face also hands it its owner's attributes,
// flags, scale and offset and widens the owner's extents. Belongs to one
// scene object; GUI thread only.

#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_CompoundExtents.h"
#include "chart/values/cf_DyArr.h"

class cf_FacetStore {
public:
    cf_FacetStore();
    cf_FacetStore(const cf_FacetStore &) = delete;
    // The faces become copies of the other store's counted faces.
    cf_FacetStore &operator=(const cf_FacetStore &other);
    ~cf_FacetStore();

    // Deletes every face, counted or left behind.
    void Clear();
    // Takes the face (null is ignored): it borrows the owner's attributes
    // (or, without, draws with whatever the owner selected), gets the
    // owner's flags, scale and offset (from ext), and widens ext.
    void Add(cf_3DFacet *facet, cf_Virt3DObj &owner, cf_CompoundExtents &ext);

    // Face i (1..Count()), else null.
    cf_3DFacet *At(int i) const;
    int Count() const { return count; }
    // Sets the count only, within 0..the number stored.
    void SetCount(int n) { count = n < 0 ? 0 : n > stored ? stored : n; }
    // The slots, for the painter's orderings over 1..Count().
    cf_DyArr &Slots() { return facets; }

private:
    cf_DyArr facets;
    int count = 0;
    int stored = 0; // slots 1..stored hold owned facets
};
