#pragma once
// cf_3DFacet: one flat face of a solid or surface. A polygon that knows,
// after each Transform with back-face culling on, whether it turns its
// front to the viewer, and that decides for two faces whether their drawing
// order must be swapped (painter's order). A culled face that looks away
// draws nothing. Owned by its solid or surface; GUI thread only.

#include "chart/scene/cf_3DPolygon.h"

class cf_3DFacet : public cf_3DPolygon {
public:
    // Band of plane values within which two faces count as coplanar.
    static constexpr double kCoplanarBand = 5.0;

    cf_3DFacet() = default;
    explicit cf_3DFacet(cf_DispAttribs *borrowed) : cf_3DPolygon(borrowed) {}
    // Copies the polygon and the facing flag.
    cf_3DFacet &operator=(const cf_3DFacet &other);

    // The points and the view box, then (with cullBackFaces) the facing test
    // on the view x and y of points 1 to 3.
    void Transform(const cf_Kernel &kernel) override;
    // Nothing when culled and facing away; else the filled polygon.
    void DrawFormA(bf_Display *display) override;
    void DrawFormB(bf_Display *display) override;

    bool IsFacing() const { return facing != 0; }
    void SetFacing(unsigned char flag) { facing = flag; }

    // View z ranges overlap strictly; view x and y ranges and device boxes
    // count when they only touch.
    bool ZRangesOverlap(const cf_3DFacet &other) const;
    bool XYRangesOverlap(const cf_3DFacet &other) const;
    bool DeviceBoxesOverlap(const cf_3DFacet &other) const;
    // Tests of this face's view centre against the other face's plane; the
    // side counts by whether the other face looks at the viewer.
    bool CoplanarWith(const cf_3DFacet &other) const;
    bool BehindPlaneOf(const cf_3DFacet &other) const;
    bool InFrontOfPlaneOf(const cf_3DFacet &other) const;
    // Whether this face must be drawn after the other.
    bool MustFollow(const cf_3DFacet &other) const;

    // The value of this face's plane (through view points 1 to 3) at a view
    // point; 0 for a face of fewer than three points.
    double PlaneValue(double x, double y, double z) const;

private:
    double PlaneValueAtCentreOf(const cf_3DFacet &other) const;

    unsigned char facing = 1;
};
