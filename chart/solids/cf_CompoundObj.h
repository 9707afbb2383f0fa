#pragma once
// cf_CompoundObj: the base of the compound scene objects (a solid, a series
// of solids, a surface). It keeps their extents over their parts
// (cf_CompoundExtents) and answers the data and working extents, the
// accumulated scale and offset and the device extents from them. View
// extents stay with each kind: a solid and a series answer them as scene
// objects, a surface only through getters of its own. GUI thread only.

#include "chart/scene/cf_Virt3DObj.h"
#include "chart/solids/cf_CompoundExtents.h"

class cf_CompoundObj : public cf_Virt3DObj {
public:
    using cf_Virt3DObj::cf_Virt3DObj;

    double MinX() const override { return ext.dataMin[0]; }
    double MaxX() const override { return ext.dataMax[0]; }
    double MinY() const override { return ext.dataMin[1]; }
    double MaxY() const override { return ext.dataMax[1]; }
    double MinZ() const override { return ext.dataMin[2]; }
    double MaxZ() const override { return ext.dataMax[2]; }
    double WorkMinX() const override { return ext.workMin[0]; }
    double WorkMaxX() const override { return ext.workMax[0]; }
    double WorkMinY() const override { return ext.workMin[1]; }
    double WorkMaxY() const override { return ext.workMax[1]; }
    double WorkMinZ() const override { return ext.workMin[2]; }
    double WorkMaxZ() const override { return ext.workMax[2]; }

    double XScale() const { return ext.scale[0]; }
    double YScale() const { return ext.scale[1]; }
    double ZScale() const { return ext.scale[2]; }
    double XOffset() const { return ext.offset[0]; }
    double YOffset() const { return ext.offset[1]; }
    double ZOffset() const { return ext.offset[2]; }
    double DeviceXMax() const { return ext.deviceXMax; }
    double DeviceXMin() const { return ext.deviceXMin; }
    double DeviceYMax() const { return ext.deviceYMax; }
    double DeviceYMin() const { return ext.deviceYMin; }

protected:
    // The scene-object state and the extents of other (not its parts).
    void AssignCompound(const cf_CompoundObj &other)
    {
        cf_Virt3DObj::operator=(other);
        ext.AssignFrom(other.ext);
    }

    cf_CompoundExtents ext;
};
