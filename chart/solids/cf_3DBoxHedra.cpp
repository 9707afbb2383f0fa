#include "chart/solids/cf_3DBoxHedra.h"

#include <cmath>

namespace {

// Per face, per corner: which bound of x, y and z (0 the lower, 1 the upper).
const unsigned char kCorners[6][4][3] = {
    {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, // y = y0
    {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, // z = z0
    {{0, 0, 1}, {0, 1, 1}, {0, 1, 0}, {0, 0, 0}}, // x = x0
    {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}, // x = x1
    {{1, 0, 1}, {1, 1, 1}, {0, 1, 1}, {0, 0, 1}}, // z = z1
    {{1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {1, 1, 1}}, // y = y1
};

double ViewLength(double v)
{
    return std::sqrt(v * v);
}

} // namespace

void cf_3DBoxHedra::FaceCorners(int f, double x0, double x1, double y0, double y1, double z0,
                                double z1, cf_3DPoint (&corners)[4])
{
    const double xs[2] = {x0, x1}, ys[2] = {y0, y1}, zs[2] = {z0, z1};
    for (int c = 0; c < 4; ++c) {
        const unsigned char *k = kCorners[f][c];
        corners[c].SetPosition(xs[k[0]], ys[k[1]], zs[k[2]]);
    }
}

cf_3DBoxHedra::cf_3DBoxHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                             cf_DispAttribs *borrowed)
    : cf_3DPolyHedra(borrowed)
{
    for (int f = 0; f < kFaces; ++f) {
        cf_3DPoint corners[4];
        FaceCorners(f, x0, x1, y0, y1, z0, z1, corners);
        const cf_3DPoint *points[4] = {&corners[0], &corners[1], &corners[2], &corners[3]};
        AddFacet(NewFacet(points, 4));
    }
}

void cf_3DBoxHedra::PlaceAnchor(double x, double y, double z, bool fromViewX)
{
    anchor.SetPosition(x, y, z);
    depthFromViewX = fromViewX;
}

void cf_3DBoxHedra::UpdateDepthKey(const cf_Kernel &kernel)
{
    anchor.Transform(kernel);
    depthKey = ViewLength(depthFromViewX ? anchor.ViewX() : anchor.ViewY());
}

cf_3DBarHedra::cf_3DBarHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                             cf_DispAttribs *borrowed)
    : cf_3DBoxHedra(x0, x1, y0, y1, z0, z1, borrowed)
{
    PlaceAnchor(0, (y0 + y1) * 0.5, (z0 + z1) * 0.5, false);
}

cf_3DColumnHedra::cf_3DColumnHedra(double x0, double x1, double y0, double y1, double z0,
                                   double z1, cf_DispAttribs *borrowed)
    : cf_3DBoxHedra(x0, x1, y0, y1, z0, z1, borrowed)
{
    PlaceAnchor((x0 + x1) * 0.5, 0, (z0 + z1) * 0.5, true);
}

cf_3DStackHedra::cf_3DStackHedra(double x0, double x1, double y0, double y1, double z0,
                                 double z1, cf_DispAttribs *borrowed)
    : cf_3DBoxHedra(x0, x1, y0, y1, z0, z1, borrowed)
{
    PlaceAnchor((x0 + x1) * 0.5, (y0 + y1) * 0.5, (z0 + z1) * 0.5, false);
}
