#pragma once
// cf_FacetedObj: a compound scene object made of faces (cf_3DFacet) that it
// owns and keeps in painter's order: the base of the solid (cf_3DPolyHedra)
// and of the surface (cf_3DSurface). It hands the scene-object operations
// down to its faces and keeps the extents over them; a kind with parts
// beyond its faces (a solid's anchor) follows through the *OwnParts hooks.
// GUI thread only.

#include "chart/solids/cf_3DFacet.h"
#include "chart/solids/cf_CompoundObj.h"
#include "chart/solids/cf_FacetStore.h"

class cf_FacetedObj : public cf_CompoundObj {
public:
    using cf_CompoundObj::cf_CompoundObj;

    // Faces, own parts, view extents, then the orderings that are on.
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    // Each stores the flag and passes it to every face.
    void SetSortByOverlap(unsigned char flag) override;
    void SetSortByDepth(unsigned char flag) override;
    void SetCullBackFaces(unsigned char flag) override;
    // The object's pen and brush, then every face in order.
    void DrawFormB(bf_Display *display) override;

    // Takes the face (null is ignored): it borrows the object's attributes
    // (or, without, draws with whatever the object selected), gets the
    // object's flags, scale and offset, and widens the extents.
    virtual void AddFacet(cf_3DFacet *facet);
    // Painter's orderings of the faces, each only while its flag is on.
    virtual void SortFacetsByDepth();
    virtual void SortFacetsByOverlap();

    // Face i (1..count), else null.
    cf_3DFacet *Facet(int i) const { return faces.At(i); }
    cf_3DFacet *FirstFacet() const { return Facet(1); }
    cf_3DFacet *LastFacet() const { return Facet(faces.Count()); }
    int FacetCount() const { return faces.Count(); }
    // Sets the count only, within 0..the number stored; the facets beyond it
    // stay owned (a later AddFacet replaces the first of them).
    void SetFacetCount(int n) { faces.SetCount(n); }

protected:
    // Parts beyond the faces, called within the operations above.
    virtual void TransformOwnParts(const cf_Kernel &) {}
    virtual void ProjectOwnParts(const cf_Kernel &) {}
    virtual void MoveOwnParts(double, double, double) {}
    virtual void ScaleOwnParts(double, double, double) {}
    // The scene-object state, extents and copies of other's faces.
    void AssignFaceted(const cf_FacetedObj &other);
    // Deletes every face; the working extents become 0.
    void ClearFacets();

private:
    // Faces, own parts and extents; never a kind's own Translate, whose
    // extra parts follow in its own Scale.
    void MoveFacets(double dx, double dy, double dz);

    cf_FacetStore faces;
};
