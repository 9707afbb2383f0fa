#pragma once
// cf_3DRadialHedra: the wedge of an exploded pie. A slice of a cylinder
// between two angles, pushed out from the pie's centre along its middle
// angle, made of four faces (start side, two outer quarters, end side),
// seven edge lines and the caps, which it draws as pie sectors of the
// display. Angles in radians. Owned by its series; GUI thread only.

#include "chart/scene/cf_3DPolyLine.h"
#include "chart/solids/cf_3DPolyHedra.h"

class cf_3DRadialHedra : public cf_3DPolyHedra {
public:
    // The fourteen points: the bottom seven, then the same seven at the top.
    enum Point { kCapCentre, kCentre, kLowCorner, kHighCorner, kRimStart, kRimMiddle, kRimEnd };
    static constexpr int kTop = 7;
    // The seven edge lines.
    enum Edge { kBottomRadiusStart, kBottomRadiusEnd, kAxis, kRimEdgeStart, kRimEdgeEnd,
                kTopRadiusStart, kTopRadiusEnd };
    // The four faces.
    enum Side { kStartSide, kFirstQuarter, kSecondQuarter, kEndSide };

    // The wedge of radius r from angle a0 to a1 standing on the working y
    // of a, as high as heightPercent of (b.y - a.y), pushed out by
    // explodePercent of r. Borrows the attributes (null: none).
    cf_3DRadialHedra(const cf_3DPoint &a, const cf_3DPoint &b, double r, double a0, double a1,
                     double heightPercent, double explodePercent, unsigned char wedgeFlag,
                     cf_DispAttribs *borrowed);

    // The solid's Transform, then the points and edges; the cap outlines
    // are transformed as seen without rotation.
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    void DrawFormA(bf_Display *display) override;
    // Bottom sector, faces, visible rim and radii, side wall, axis, top
    // sector and its outline.
    void DrawFormB(bf_Display *display) override;
    // sqrt(view x^2 + view z^2) of the anchor (the rim's middle point).
    void UpdateDepthKey(const cf_Kernel &kernel) override;

    const cf_3DPoint &WedgePoint(int index) const { return points[index]; }
    const cf_3DFacet *Face(Side f) const { return faces[f]; }
    unsigned char WedgeFlag() const { return wedgeFlag; }

private:
    void BuildPoints(double ya, double yb, double r, double a0, double a1, double heightPercent,
                     double explodePercent);
    void BuildFaces();
    void BuildEdges();
    cf_2DPoint Device(int index) const { return points[index].DevicePoint(); }
    // The cap rectangle of the bottom (0) or top (kTop) cap, moved with
    // the offset between the centre and the cap centre.
    cf_2DRect CapRect(int base) const;
    bool FrontFacing(Side f) const { return faces[f] && faces[f]->IsFacing(); }
    void SelectPenInColour(bf_Display *display, bf_Color colour);
    // Draws the side wall where the wedge's ends lie on both sides of the
    // centre in depth; answers whether one was drawn.
    bool DrawSideWall(bf_Display *display, const cf_2DRect &bottomCap);

    cf_3DPoint points[14];
    unsigned char wedgeFlag;
    cf_3DPolyLine edges[7];
    cf_3DFacet *faces[4] = {nullptr, nullptr, nullptr, nullptr};
};
