#pragma once
// cf_3DSurface: a faceted surface, the sheet of a three-dimensional area or
// ribbon chart. A flat list of faces (cf_3DFacet) that it owns and draws in
// painter's order (cf_FacetedObj; by default by the pairwise overlap test,
// back faces drawn). In the flat drawing pass it can outline its faces in
// the fill colour, so that the surface shows as one shaded sheet. It
// answers its view extents through its own getters only. Owned by its
// engine; GUI thread only.

#include "chart/solids/cf_FacetedObj.h"

class cf_3DSurface : public cf_FacetedObj {
public:
    // Creates and owns its display attributes.
    cf_3DSurface();
    // Borrows the given attributes (null: none).
    explicit cf_3DSurface(cf_DispAttribs *borrowed);
    cf_3DSurface(const cf_3DSurface &) = delete;
    // Copies the edge flag, attributes, flags, extents and copies of the faces.
    cf_3DSurface &operator=(const cf_3DSurface &other);
    ~cf_3DSurface() override;

    // Form B with, unless the edges are in the line colour, the faces
    // outlined in the fill colour; the attributes end as they were.
    void DrawFormA(bf_Display *display) override;

    // The six faces of a box, as the box solids make them.
    virtual void AddBox(double x0, double x1, double y0, double y1, double z0, double z1);
    // One face (x0, y0, z1), (x1, y1, z1), (x1, y1, z0), (x0, y0, z0): the
    // strip from value point (x0, y0) to (x1, y1) across the depth z0..z1.
    virtual void AddSegment(double x0, double x1, double y0, double y1, double z0, double z1);
    double SurfaceViewMinX() const { return ext.viewMin[0]; }
    double SurfaceViewMaxX() const { return ext.viewMax[0]; }
    double SurfaceViewMidX() const { return ext.viewMid[0]; }
    double SurfaceViewMinY() const { return ext.viewMin[1]; }
    double SurfaceViewMaxY() const { return ext.viewMax[1]; }
    double SurfaceViewMidY() const { return ext.viewMid[1]; }
    double SurfaceViewMinZ() const { return ext.viewMin[2]; }
    double SurfaceViewMaxZ() const { return ext.viewMax[2]; }
    double SurfaceViewMidZ() const { return ext.viewMid[2]; }

    // 1: faces outlined in the line colour; 0: in the fill colour (form A).
    unsigned char EdgesInLineColour() const { return edgesInLineColour; }
    void SetEdgesInLineColour(unsigned char flag) { edgesInLineColour = flag; }

private:
    void AddCopies(const cf_3DPoint *points, int n);
    unsigned char edgesInLineColour = 1;
};
