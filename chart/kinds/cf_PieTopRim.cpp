#include "chart/kinds/cf_PieTopRim.h"

#include "chart/kernel/cf_Kernel.h"

void cf_PieTopRim::Place(const cf_Kernel &kernel, const double *origin)
{
    thickness = kernel.YExtent() * thicknessFactor;
    double y = origin[1] + thickness;
    points[kRight].SetPosition(kernel.XMax(), y, origin[2]);
    points[kLeft].SetPosition(kernel.XMin(), y, origin[2]);
    points[kFar].SetPosition(origin[0], y, kernel.ZMax());
    points[kNear].SetPosition(origin[0], y, kernel.ZMin());
    for (int i = 0; i < 4; ++i)
        points[kFlatRight + i] = points[kRight + i];
}

void cf_PieTopRim::Transform(cf_Kernel &kernel)
{
    for (int i = kRight; i <= kNear; ++i)
        points[i].Transform(kernel);
    double rotation = kernel.Rotation();
    kernel.SetViewAngles(kernel.Elevation(), 0);
    for (int i = kFlatRight; i <= kFlatNear; ++i)
        points[i].Transform(kernel);
    kernel.SetViewAngles(kernel.Elevation(), rotation);
    kernel.UpdateGeometry();
}

void cf_PieTopRim::Project(const cf_Kernel &kernel)
{
    for (cf_3DPoint &point : points)
        point.Project(kernel);
}

cf_2DRect cf_PieTopRim::Rect() const
{
    cf_2DPoint topLeft = points[kFlatLeft].DevicePoint(), bottomRight = topLeft;
    for (int i = kFlatRight; i <= kFlatNear; ++i) {
        topLeft = cf_2DPoint::Min(topLeft, points[i].DevicePoint());
        bottomRight = cf_2DPoint::Max(bottomRight, points[i].DevicePoint());
    }
    bottomRight = cf_2DPoint::Max(bottomRight, points[kRight].DevicePoint());
    bottomRight = cf_2DPoint::Max(bottomRight, points[kFar].DevicePoint());
    return cf_2DRect(topLeft, bottomRight);
}
