#pragma once
// cf_3DPolyHedra: a solid made of faces (cf_3DFacet), owned by it and kept
// in drawing order (cf_FacetedObj): by nearest view depth, then by the
// pairwise overlap test. An anchor point moves with the solid; its
// transformed position gives the depth key by which a series orders its
// solids. The kinds (boxes of the bar, column and stack charts, the pie
// wedge) build the faces. Owned by its series; GUI thread only.

#include "chart/scene/cf_3DPoint.h"
#include "chart/solids/cf_FacetedObj.h"
#include "chart/solids/cf_SolidCompound.h"

class cf_3DPolyHedra : public cf_SolidCompound<cf_FacetedObj> {
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

    // Form A is form B.
    void DrawFormA(bf_Display *display) override { DrawFormB(display); }

    // Transforms the anchor and sets the depth key from it.
    virtual void UpdateDepthKey(const cf_Kernel &kernel);
    virtual void ProjectAnchor(const cf_Kernel &kernel);
    // Deletes every face; the working extents become 0.
    virtual void Reset() { ClearFacets(); }

    double DepthKey() const { return depthKey; }
    double AnchorViewX() const { return anchor.ViewX(); }
    double AnchorViewY() const { return anchor.ViewY(); }
    double AnchorViewZ() const { return anchor.ViewZ(); }
    const cf_3DPoint &Anchor() const { return anchor; }

protected:
    // The anchor moves, scales and projects with the faces; the depth key
    // follows each Transform.
    void TransformOwnParts(const cf_Kernel &kernel) override { UpdateDepthKey(kernel); }
    void ProjectOwnParts(const cf_Kernel &kernel) override { ProjectAnchor(kernel); }
    void MoveOwnParts(double dx, double dy, double dz) override { anchor.Translate(dx, dy, dz); }
    void ScaleOwnParts(double sx, double sy, double sz) override { anchor.Scale(sx, sy, sz); }
    // Faces from the solid's attributes: borrowed copies of each point.
    cf_3DFacet *NewFacet(const cf_3DPoint *const *points, int n);

    cf_3DPoint anchor;
    double depthKey = 0;
};
