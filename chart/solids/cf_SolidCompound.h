#pragma once
// cf_SolidCompound<Base>: what a solid (cf_3DPolyHedra, over its faces) and
// a series of solids (cf_3DPhedraSeries, over its solids) share on top of
// their compound base: they start ordered by depth, not by overlap, with
// back faces culled, and answer their view extents as scene objects, with
// the middles of those extents. GUI thread only.

#include "chart/solids/cf_CompoundObj.h"

template <class Base> class cf_SolidCompound : public Base {
public:
    // Borrows the given attributes (null: none).
    explicit cf_SolidCompound(cf_DispAttribs *borrowed) : Base(borrowed)
    {
        // The object's own flags only: it has no parts yet.
        this->cf_Virt3DObj::SetSortByOverlap(0);
        this->cf_Virt3DObj::SetSortByDepth(1);
        this->cf_Virt3DObj::SetCullBackFaces(1);
    }

    double ViewMinX() const override { return this->ext.viewMin[0]; }
    double ViewMaxX() const override { return this->ext.viewMax[0]; }
    double ViewMinY() const override { return this->ext.viewMin[1]; }
    double ViewMaxY() const override { return this->ext.viewMax[1]; }
    double ViewMinZ() const override { return this->ext.viewMin[2]; }
    double ViewMaxZ() const override { return this->ext.viewMax[2]; }
    double ViewMidX() const { return this->ext.viewMid[0]; }
    double ViewMidY() const { return this->ext.viewMid[1]; }
    double ViewMidZ() const { return this->ext.viewMid[2]; }
};
