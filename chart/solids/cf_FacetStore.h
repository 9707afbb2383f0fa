#pragma once
// cf_FacetStore: the faces (cf_3DFacet) a solid or surface owns (see
// cf_OwnedSlots). Adding a face also hands it its owner's attributes,
// flags, scale and offset and widens the owner's extents; the faces are
// put in painter's order here. GUI thread only.

#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_CompoundExtents.h"
#include "chart/solids/cf_OwnedSlots.h"

class cf_FacetStore : public cf_OwnedSlots<cf_3DFacet> {
public:
    // Takes the face (null is ignored): it borrows the owner's attributes
    // (or, without, draws with whatever the owner selected), gets the
    // owner's flags, scale and offset (from ext), and widens ext.
    void Add(cf_3DFacet *facet, cf_Virt3DObj &owner, cf_CompoundExtents &ext);
    // Painter's orderings of the counted faces: nearest view depth (least
    // z) last, equal depths keeping their order; or by the pairwise overlap
    // test (a face that must follow another is drawn after it).
    void OrderByDepth();
    void OrderByOverlap();
};
