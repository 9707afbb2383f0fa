#pragma once
// cf_PieTopRim: the top of a three-dimensional pie: the floor's four rim
// points lifted by the pie's thickness (right, left, far, near) and their
// flat copies, which are transformed with the rotation taken out so that
// they outline the top as seen without turning. The thickness is a
// fraction of the box height. Plain value owned by its pie engine.

#include "chart/scene/cf_3DPoint.h"
#include "chart/values/cf_2DRect.h"

class cf_Kernel;

class cf_PieTopRim {
public:
    enum Which { kRight, kLeft, kFar, kNear, kFlatRight, kFlatLeft, kFlatFar, kFlatNear };

    // Thickness := box height x factor; the points at the kernel's x and z
    // extremes, thickness above the origin.
    void Place(const cf_Kernel &kernel, const double *origin);
    // The four points with the full view, the flat ones with rotation 0
    // (the kernel's angles are given back).
    void Transform(cf_Kernel &kernel);
    void Project(const cf_Kernel &kernel);
    // The rectangle of the top ellipse: spanned by the flat points with
    // the right and far points.
    cf_2DRect Rect() const;

    const cf_3DPoint &Point(Which which) const { return points[which]; }
    double Thickness() const { return thickness; }
    double ThicknessFactor() const { return thicknessFactor; }
    void SetThicknessFactor(double factor) { thicknessFactor = factor; }

private:
    cf_3DPoint points[8];
    double thicknessFactor = 1.0;
    double thickness = 0;
};
