// cf_3DRadialHedra: drawing the wedge.

#include "chart/solids/cf_3DRadialHedra.h"

#include "chart/backend/bf_Display.h"

#include <algorithm>

namespace {

cf_2DRect Ordered(int x0, int y0, int x1, int y1)
{
    return cf_2DRect(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
}

cf_2DPoint Difference(const cf_2DPoint &a, const cf_2DPoint &b)
{
    return cf_2DPoint(a.x - b.x, a.y - b.y);
}

} // namespace

cf_2DRect cf_3DRadialHedra::CapRect(int base) const
{
    cf_2DPoint d = Difference(Device(base + kCentre), Device(base + kCapCentre));
    cf_2DPoint low = Device(base + kLowCorner), high = Device(base + kHighCorner);
    return Ordered(low.x + d.x, low.y + d.y, high.x + d.x, high.y + d.y);
}

// Swaps the selected pen for one in the given colour (the attributes' line
// colour is put back at once, so only the pen on the display changes).
void cf_3DRadialHedra::SelectPenInColour(bf_Display *display, bf_Color colour)
{
    ReleasePen(display);
    if (!HasDispAttribs()) {
        SelectPen(display);
        return;
    }
    cf_DispAttribs *attribs = DispAttribs();
    bf_Color line = attribs->LineColor();
    attribs->SetLineColor(colour);
    SelectPen(display);
    attribs->SetLineColor(line);
}

void cf_3DRadialHedra::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}

bool cf_3DRadialHedra::DrawSideWall(bf_Display *display, const cf_2DRect &bottomCap)
{
    double z0 = points[kRimStart].ViewZ(), z1 = points[kRimEnd].ViewZ();
    double zc = points[kCentre].ViewZ();
    bool right = zc < z0 && z1 < zc;
    bool left = z0 < zc && zc < z1;
    if (!right && !left)
        return false;
    bf_Color line = HasDispAttribs() ? DispAttribs()->LineColor() : bf_Black;
    bf_Color fill = HasDispAttribs() ? DispAttribs()->FillColor() : bf_White;
    cf_2DPoint top = Device(kTop + kCentre), bottom = Device(kCentre);
    int edge;
    if (right) {
        edge = bottomCap.right;
        SelectPenInColour(display, fill);
        display->FillRectangle(Ordered(top.x, top.y, edge, bottom.y));
    } else {
        cf_2DPoint d = Difference(Device(kCentre), Device(kCapCentre));
        edge = Device(kTop + kLowCorner).x + d.x;
        SelectPenInColour(display, fill);
        display->FillRectangle(Ordered(edge, top.y, bottom.x, bottom.y));
    }
    SelectPenInColour(display, line);
    const cf_2DPoint line2[2] = {cf_2DPoint(edge, top.y), cf_2DPoint(edge, bottom.y)};
    display->Polyline(line2, 2);
    return true;
}

void cf_3DRadialHedra::DrawFormB(bf_Display *display)
{
    if (!display)
        return;
    SelectPen(display);
    SelectBrush(display);

    cf_2DRect bottomCap = CapRect(0);
    display->Pie(bottomCap, Device(kRimStart), Device(kRimEnd));

    // The faces are outlined in their fill colour, so their edges vanish.
    bf_Color line = HasDispAttribs() ? DispAttribs()->LineColor() : bf_Black;
    bf_Color fill = HasDispAttribs() ? DispAttribs()->FillColor() : bf_White;
    SelectPenInColour(display, fill);
    if (HasDispAttribs()) {
        DispAttribs()->SetLineColor(fill);
        cf_3DPolyHedra::DrawFormB(display);
        DispAttribs()->SetLineColor(line);
    } else {
        cf_3DPolyHedra::DrawFormB(display);
    }
    SelectPenInColour(display, line);

    if (FrontFacing(kFirstQuarter) || FrontFacing(kSecondQuarter))
        display->Arc(bottomCap, Device(kRimStart), Device(kRimEnd));
    if (FrontFacing(kStartSide))
        edges[kBottomRadiusStart].DrawFormB(display);
    if (FrontFacing(kEndSide))
        edges[kBottomRadiusEnd].DrawFormB(display);

    bool wall = DrawSideWall(display, bottomCap);
    edges[kAxis].DrawFormB(display);

    cf_2DRect topCap = CapRect(kTop);
    display->Pie(topCap, Device(kTop + kRimStart), Device(kTop + kRimEnd));
    display->Arc(topCap, Device(kTop + kRimStart), Device(kTop + kRimEnd));

    if (FrontFacing(kStartSide))
        edges[kRimEdgeStart].DrawFormB(display);
    if (FrontFacing(kFirstQuarter) && !wall)
        edges[kRimEdgeStart].DrawFormB(display);
    if (FrontFacing(kEndSide))
        edges[kRimEdgeEnd].DrawFormB(display);
    if (FrontFacing(kSecondQuarter) && !wall)
        edges[kRimEdgeEnd].DrawFormB(display);

    ReleaseBrush(display);
    ReleasePen(display);
}
