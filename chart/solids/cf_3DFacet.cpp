#include "chart/solids/cf_3DFacet.h"

cf_3DFacet &cf_3DFacet::operator=(const cf_3DFacet &other)
{
    if (this != &other) {
        cf_3DPolygon::operator=(other);
        facing = other.facing;
    }
    return *this;
}

void cf_3DFacet::Transform(const cf_Kernel &kernel)
{
    cf_3DPolygon::Transform(kernel);
    if (!CullBackFaces() || Count() < 3)
        return;
    const cf_3DPoint *p1 = PointAt(1), *p2 = PointAt(2), *p3 = PointAt(3);
    double turn = (p2->ViewX() - p1->ViewX()) * (p3->ViewY() - p2->ViewY()) -
                  (p2->ViewY() - p1->ViewY()) * (p3->ViewX() - p2->ViewX());
    facing = turn > 0 ? 1 : 0;
}

void cf_3DFacet::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}

void cf_3DFacet::DrawFormB(bf_Display *display)
{
    if (CullBackFaces() && !facing)
        return;
    cf_3DPolygon::DrawFormB(display);
}

bool cf_3DFacet::ZRangesOverlap(const cf_3DFacet &other) const
{
    return ViewMinZ() < other.ViewMaxZ() && other.ViewMinZ() < ViewMaxZ();
}

bool cf_3DFacet::XYRangesOverlap(const cf_3DFacet &other) const
{
    return ViewMinX() <= other.ViewMaxX() && other.ViewMinX() <= ViewMaxX() &&
           ViewMinY() <= other.ViewMaxY() && other.ViewMinY() <= ViewMaxY();
}

bool cf_3DFacet::DeviceBoxesOverlap(const cf_3DFacet &other) const
{
    return DevMinX() <= other.DevMaxX() && other.DevMinX() <= DevMaxX() &&
           DevMinY() <= other.DevMaxY() && other.DevMinY() <= DevMaxY();
}

double cf_3DFacet::PlaneValue(double x, double y, double z) const
{
    if (Count() < 3)
        return 0;
    const cf_3DPoint *p1 = PointAt(1), *p2 = PointAt(2), *p3 = PointAt(3);
    double x1 = p1->ViewX(), y1 = p1->ViewY(), z1 = p1->ViewZ();
    double x2 = p2->ViewX(), y2 = p2->ViewY(), z2 = p2->ViewZ();
    double x3 = p3->ViewX(), y3 = p3->ViewY(), z3 = p3->ViewZ();
    double a = y1 * (z2 - z3) + y2 * (z3 - z1) + y3 * (z1 - z2);
    double b = z1 * (x2 - x3) + z2 * (x3 - x1) + z3 * (x1 - x2);
    double c = x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2);
    double d = -(x1 * (y2 * z3 - y3 * z2) + x2 * (y3 * z1 - y1 * z3) + x3 * (y1 * z2 - y2 * z1));
    return a * x + b * y + c * z + d;
}

double cf_3DFacet::PlaneValueAtCentreOf(const cf_3DFacet &other) const
{
    return PlaneValue(other.ViewCentreX(), other.ViewCentreY(), other.ViewCentreZ());
}

bool cf_3DFacet::CoplanarWith(const cf_3DFacet &other) const
{
    double v = other.PlaneValueAtCentreOf(*this);
    return v >= -kCoplanarBand && v <= kCoplanarBand;
}

bool cf_3DFacet::BehindPlaneOf(const cf_3DFacet &other) const
{
    double v = other.PlaneValueAtCentreOf(*this);
    return other.IsFacing() ? v <= 0 : v >= 0;
}

bool cf_3DFacet::InFrontOfPlaneOf(const cf_3DFacet &other) const
{
    double v = other.PlaneValueAtCentreOf(*this);
    return other.IsFacing() ? v >= 0 : v <= 0;
}

bool cf_3DFacet::MustFollow(const cf_3DFacet &other) const
{
    if (!XYRangesOverlap(other))
        return false;
    if (CoplanarWith(other))
        return false;
    if (BehindPlaneOf(other))
        return false;
    if (other.InFrontOfPlaneOf(*this))
        return false;
    return DeviceBoxesOverlap(other);
}
