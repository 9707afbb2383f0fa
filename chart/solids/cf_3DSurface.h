#pragma once
// cf_3DSurface: a faceted surface, the sheet of a three-dimensional area or
// ribbon chart. A flat list of faces (cf_3DFacet) that it owns and draws in
// painter's order (by default by the pairwise overlap test, back faces
// drawn). In the flat drawing pass it can outline its faces in the fill
// colour, so that the surface shows as one shaded sheet. It answers its
// view extents through its own getters only. Owned by its engine; GUI
// thread only.

#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_CompoundExtents.h"
#include "chart/solids/cf_FacetStore.h"

class cf_3DSurface : public cf_Virt3DObj {
public:
    // Creates and owns its display attributes.
    cf_3DSurface();
    // Borrows the given attributes (null: none).
    explicit cf_3DSurface(cf_DispAttribs *borrowed);
    cf_3DSurface(const cf_3DSurface &) = delete;
    // Copies the edge flag, attributes, flags, extents and copies of the faces.
    cf_3DSurface &operator=(const cf_3DSurface &other);
    ~cf_3DSurface() override;

    // Faces, view extents, then the orderings that are on.
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    // Each stores the flag and passes it to every face.
    void SetSortByOverlap(unsigned char flag) override;
    void SetSortByDepth(unsigned char flag) override;
    void SetCullBackFaces(unsigned char flag) override;
    // Form B with, unless the edges are in the line colour, the faces
    // outlined in the fill colour; the attributes end as they were.
    void DrawFormA(bf_Display *display) override;
    // The surface's pen and brush, then every face in order.
    void DrawFormB(bf_Display *display) override;

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

    // Takes the face (null is ignored) as a solid does (cf_3DPolyHedra::AddFacet).
    virtual void AddFacet(cf_3DFacet *facet);
    // The six faces of a box, as the box solids make them.
    virtual void AddBox(double x0, double x1, double y0, double y1, double z0, double z1);
    // One face (x0, y0, z1), (x1, y1, z1), (x1, y1, z0), (x0, y0, z0): the
    // strip from value point (x0, y0) to (x1, y1) across the depth z0..z1.
    virtual void AddSegment(double x0, double x1, double y0, double y1, double z0, double z1);
    virtual void SortFacetsByDepth();
    virtual void SortFacetsByOverlap();
    double SurfaceViewMinX() const { return ext.viewMin[0]; }
    double SurfaceViewMaxX() const { return ext.viewMax[0]; }
    double SurfaceViewMidX() const { return ext.viewMid[0]; }
    double SurfaceViewMinY() const { return ext.viewMin[1]; }
    double SurfaceViewMaxY() const { return ext.viewMax[1]; }
    double SurfaceViewMidY() const { return ext.viewMid[1]; }
    double SurfaceViewMinZ() const { return ext.viewMin[2]; }
    double SurfaceViewMaxZ() const { return ext.viewMax[2]; }
    double SurfaceViewMidZ() const { return ext.viewMid[2]; }

    // Face i (1..count), else null.
    cf_3DFacet *Facet(int i) const;
    cf_3DFacet *FirstFacet() const { return Facet(1); }
    cf_3DFacet *LastFacet() const { return Facet(faces.Count()); }
    int FacetCount() const { return faces.Count(); }
    // Sets the count only, within 0..the number stored; the facets beyond it
    // stay owned (a later AddFacet replaces the first of them).
    void SetFacetCount(int n) { faces.SetCount(n); }
    // 1: faces outlined in the line colour; 0: in the fill colour (form A).
    unsigned char EdgesInLineColour() const { return edgesInLineColour; }
    void SetEdgesInLineColour(unsigned char flag) { edgesInLineColour = flag; }

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

private:
    void AddCopies(const cf_3DPoint *points, int n);
    unsigned char edgesInLineColour = 1;
    cf_CompoundExtents ext;
    cf_FacetStore faces;
};
