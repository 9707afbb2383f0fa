// cf_3DRadialHedra: construction and the pipeline.

#include "chart/solids/cf_3DRadialHedra.h"

#include "chart/kernel/cf_Kernel.h"

#include <cmath>

cf_3DRadialHedra::cf_3DRadialHedra(const cf_3DPoint &a, const cf_3DPoint &b, double r, double a0,
                                   double a1, double heightPercent, double explodePercent,
                                   unsigned char flag, cf_DispAttribs *borrowed)
    : cf_3DPolyHedra(borrowed), wedgeFlag(flag)
{
    SetCullBackFaces(1);
    SetSortByOverlap(1);
    BuildPoints(a.WorkY(), b.WorkY(), r, a0, a1, heightPercent, explodePercent);
    BuildFaces();
    BuildEdges();
    anchor = points[kRimMiddle];
}

void cf_3DRadialHedra::BuildPoints(double ya, double yb, double r, double a0, double a1,
                                   double heightPercent, double explodePercent)
{
    double e = 0.01 * explodePercent * r;
    double R = r + e;
    double h = 0.01 * heightPercent * (yb - ya);
    double am = (a1 - a0) * 0.5 + a0;
    double cx = std::cos(am) * e, cz = -std::sin(am) * e;
    const double heights[2] = {ya, ya + h};
    for (int level = 0; level < 2; ++level) {
        double y = heights[level];
        cf_3DPoint *p = points + level * kTop;
        p[kCapCentre].SetPosition(cx, y, cz);
        p[kCentre].SetPosition(cx, y, cz);
        p[kLowCorner].SetPosition(cx - R, y, cz - R);
        p[kHighCorner].SetPosition(cx + R, y, cz + R);
        const double angles[3] = {a0, am, a1};
        for (int k = 0; k < 3; ++k)
            p[kRimStart + k].SetPosition(cx + R * std::cos(angles[k]), y, cz - R * std::sin(angles[k]));
    }
}

void cf_3DRadialHedra::BuildFaces()
{
    const int t = kTop;
    const int corners[4][4] = {
        {kCentre, kRimStart, t + kRimStart, t + kCentre},
        {kRimStart, kRimMiddle, t + kRimMiddle, t + kRimStart},
        {kRimMiddle, kRimEnd, t + kRimEnd, t + kRimMiddle},
        {t + kCentre, t + kRimEnd, kRimEnd, kCentre},
    };
    for (int f = 0; f < 4; ++f) {
        const cf_3DPoint *face[4];
        for (int c = 0; c < 4; ++c)
            face[c] = &points[corners[f][c]];
        faces[f] = NewFacet(face, 4);
        AddFacet(faces[f]);
    }
}

void cf_3DRadialHedra::BuildEdges()
{
    const int t = kTop;
    const int ends[7][2] = {
        {kCentre, kRimStart},         {kCentre, kRimEnd},           {kCentre, t + kCentre},
        {kRimStart, t + kRimStart},   {kRimEnd, t + kRimEnd},       {t + kCentre, t + kRimStart},
        {t + kCentre, t + kRimEnd},
    };
    for (int e = 0; e < 7; ++e) {
        // Drawn with the pen the wedge has selected.
        edges[e].SetNoPen(1);
        edges[e].SetNoBrush(1);
        edges[e].AddPoint(points[ends[e][0]]);
        edges[e].AddPoint(points[ends[e][1]]);
    }
}

void cf_3DRadialHedra::UpdateDepthKey(const cf_Kernel &kernel)
{
    anchor.Transform(kernel);
    double vx = anchor.ViewX(), vz = anchor.ViewZ();
    depthKey = std::sqrt(vx * vx + vz * vz);
}

void cf_3DRadialHedra::Transform(const cf_Kernel &kernel)
{
    cf_3DPolyHedra::Transform(kernel);
    for (int level : {0, kTop}) {
        for (int k : {kCentre, kRimStart, kRimMiddle, kRimEnd})
            points[level + k].Transform(kernel);
    }
    // The caps are seen as from the front: the rotation is taken out.
    cf_Kernel capKernel = kernel;
    capKernel.SetViewAngles(capKernel.Elevation(), 0);
    for (int level : {0, kTop}) {
        for (int k : {kCapCentre, kLowCorner, kHighCorner})
            points[level + k].Transform(capKernel);
    }
    for (cf_3DPolyLine &edge : edges)
        edge.Transform(kernel);
}

void cf_3DRadialHedra::Project(const cf_Kernel &kernel)
{
    cf_3DPolyHedra::Project(kernel);
    for (cf_3DPoint &point : points)
        point.Project(kernel);
    for (cf_3DPolyLine &edge : edges)
        edge.Project(kernel);
}

void cf_3DRadialHedra::Scale(double sx, double sy, double sz)
{
    // The points scale about the solid's offset, as its faces do.
    const double o[3] = {XOffset(), YOffset(), ZOffset()};
    cf_3DPolyHedra::Scale(sx, sy, sz);
    for (cf_3DPoint &point : points) {
        point.Translate(-o[0], -o[1], -o[2]);
        point.Scale(sx, sy, sz);
        point.Translate(o[0], o[1], o[2]);
    }
    for (cf_3DPolyLine &edge : edges)
        edge.Scale(sx, sy, sz);
}

void cf_3DRadialHedra::Translate(double dx, double dy, double dz)
{
    cf_3DPolyHedra::Translate(dx, dy, dz);
    for (cf_3DPoint &point : points)
        point.Translate(dx, dy, dz);
    for (cf_3DPolyLine &edge : edges)
        edge.Translate(dx, dy, dz);
}
