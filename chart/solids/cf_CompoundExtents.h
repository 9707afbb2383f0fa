#pragma once
// cf_CompoundExtents: the extents a compound scene object (a solid, a
// series of solids, a surface) keeps over its parts: data and working
// extents (the union of the parts'), the accumulated offset and scale, the
// view extents of the last Transform with their middles, and device
// extents, which nothing computes and which only assignment copies. Plain
// value owned by its object.

class cf_Virt3DObj;

struct cf_CompoundExtents {
    // x, y, z each.
    double dataMax[3] = {0, 0, 0}, dataMin[3] = {0, 0, 0};
    double workMax[3] = {0, 0, 0}, workMin[3] = {0, 0, 0};
    double offset[3] = {0, 0, 0};
    double scale[3] = {1, 1, 1};
    double viewMax[3] = {0, 0, 0}, viewMin[3] = {0, 0, 0}, viewMid[3] = {0, 0, 0};
    double deviceXMax = 0, deviceXMin = 0, deviceYMax = 0, deviceYMin = 0;

    // The first part sets the data and working extents, later ones widen them.
    void TakePart(const cf_Virt3DObj &part, bool first);
    // The first part sets the view extents, later ones widen them.
    void TakeViewOf(const cf_Virt3DObj &part, bool first);
    // Middle = (max - min) x 0.5 + min on each axis.
    void FinishView();
    // Adds to the offset and both working bounds.
    void Translated(double dx, double dy, double dz);
    // Multiplies the scale factors and both working bounds (kept ordered).
    void Scaled(double sx, double sy, double sz);
    // Copies everything but the view middles.
    void AssignFrom(const cf_CompoundExtents &other);
    void ClearWork();
};
