#pragma once
// cf_3DPolyHedra: a solid made of faces (cf_3DFacet), owned by it and kept
// in drawing order. It hands the scene-object operations down to its
// faces, keeps the solid's extents, and orders the faces at each Transform
// for painter's drawing: by nearest view depth, then by the pairwise
// overlap test. An anchor point moves with the solid; its transformed
// position gives the depth key by which a series orders its solids. The
// kinds (boxes of the bar, column and stack charts, the pie wedge) build
// the faces. Owned by its series; GUI thread only.

#include "chart/scene/cf_3DPoint.h"
#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_CompoundExtents.h"
#include "chart/solids/cf_FacetStore.h"

class cf_3DPolyHedra : public cf_Virt3DObj {
public:
    // Creates and owns its display attributes.
    cf_3DPolyHedra();
    // Borrows the given attributes (null: none).
    explicit cf_3DPolyHedra(cf_DispAttribs *borrowed);
    cf_3DPolyHedra(const cf_3DPolyHedra &) = delete;
    // Copies attributes, flags, extents, anchor and depth key; the faces
    // become copies of the other solid's faces.
    cf_3DPolyHedra &operator=(const cf_3DPolyHedra &other);
    ~cf_3DPolyHedra() override;

    // Faces, depth key, view extents, then the orderings that are on.
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    // Each stores the flag and passes it to every face.
    void SetSortByOverlap(unsigned char flag) override;
    void SetSortByDepth(unsigned char flag) override;
    void SetCullBackFaces(unsigned char flag) override;
    // Form A is form B: the solid's pen and brush, then every face in order.
    void DrawFormA(bf_Display *display) override;
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
    double ViewMinX() const override { return ext.viewMin[0]; }
    double ViewMaxX() const override { return ext.viewMax[0]; }
    double ViewMinY() const override { return ext.viewMin[1]; }
    double ViewMaxY() const override { return ext.viewMax[1]; }
    double ViewMinZ() const override { return ext.viewMin[2]; }
    double ViewMaxZ() const override { return ext.viewMax[2]; }

    // Takes the face (null is ignored): it borrows the solid's attributes
    // (or, without, draws with whatever the solid selected), gets the
    // solid's flags, scale and offset, and widens the extents.
    virtual void AddFacet(cf_3DFacet *facet);
    // Transforms the anchor and sets the depth key from it.
    virtual void UpdateDepthKey(const cf_Kernel &kernel);
    virtual void ProjectAnchor(const cf_Kernel &kernel);
    // Deletes every face; the working extents become 0.
    virtual void Reset();

    // Face i (1..count), else null.
    cf_3DFacet *Facet(int i) const;
    cf_3DFacet *FirstFacet() const { return Facet(1); }
    cf_3DFacet *LastFacet() const { return Facet(faces.Count()); }
    int FacetCount() const { return faces.Count(); }
    // Sets the count only, within 0..the number stored; the facets beyond it
    // stay owned (a later AddFacet replaces the first of them).
    void SetFacetCount(int n) { faces.SetCount(n); }

    double ViewMidX() const { return ext.viewMid[0]; }
    double ViewMidY() const { return ext.viewMid[1]; }
    double ViewMidZ() const { return ext.viewMid[2]; }
    double XScale() const { return ext.scale[0]; }
    double YScale() const { return ext.scale[1]; }
    double ZScale() const { return ext.scale[2]; }
    double XOffset() const { return ext.offset[0]; }
    double YOffset() const { return ext.offset[1]; }
    double ZOffset() const { return ext.offset[2]; }
    double DepthKey() const { return depthKey; }
    double AnchorViewX() const { return anchor.ViewX(); }
    double AnchorViewY() const { return anchor.ViewY(); }
    double AnchorViewZ() const { return anchor.ViewZ(); }
    double DeviceXMax() const { return ext.deviceXMax; }
    double DeviceXMin() const { return ext.deviceXMin; }
    double DeviceYMax() const { return ext.deviceYMax; }
    double DeviceYMin() const { return ext.deviceYMin; }
    const cf_3DPoint &Anchor() const { return anchor; }

protected:
    void SortFacetsByDepth();
    void SortFacetsByOverlap();
    // Faces from the solid's attributes: borrowed copies of each point.
    cf_3DFacet *NewFacet(const cf_3DPoint *const *points, int n);

    cf_3DPoint anchor;
    double depthKey = 0;

private:
    cf_CompoundExtents ext;
    cf_FacetStore faces;
};
