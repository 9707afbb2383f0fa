#include "chart/kinds/cf_eng_Polar.h"

#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"

cf_eng_Polar::cf_eng_Polar(int type, int dim) : cf_ChartEngine(type, dim)
{
    SetRotation(30, 0);
    SetPerspectiveNone();
    SetBoxProportions(5, 100);
    FollowOrigin();
}

void cf_eng_Polar::FollowOrigin()
{
    origin[0] = 0;
    origin[1] = kernel->YMin();
    origin[2] = 0;
}

void cf_eng_Polar::RescaleWalls()
{
    cf_ChartEngine::RescaleWalls();
    if (kernel->XExtent() != kernel->ZExtent()) {
        kernel->SetCubeSize(kernel->XExtent(), kernel->YExtent(), kernel->XExtent());
        cf_ChartEngine::RescaleWalls();
    }
    points[kRight].SetPosition(kernel->XMax(), origin[1], origin[2]);
    points[kLeft].SetPosition(kernel->XMin(), origin[1], origin[2]);
    points[kFar].SetPosition(origin[0], origin[1], kernel->ZMax());
    points[kNear].SetPosition(origin[0], origin[1], kernel->ZMin());
    for (int i = 0; i < 4; ++i)
        points[kFlatRight + i] = points[kRight + i];
    points[kCentre].SetPosition(origin[0], origin[1], origin[2]);
}

void cf_eng_Polar::UpdateGeometry()
{
    cf_ChartEngine::UpdateGeometry();
    for (int i : {kRight, kLeft, kFar, kNear, kCentre})
        points[i].Transform(*kernel);
    // The flat copies see the floor without turning: rotation 0, elevation kept.
    double rotation = kernel->Rotation();
    kernel->SetViewAngles(kernel->Elevation(), 0);
    for (int i = kFlatRight; i <= kFlatNear; ++i)
        points[i].Transform(*kernel);
    kernel->SetViewAngles(kernel->Elevation(), rotation);
    kernel->UpdateGeometry();
}

void cf_eng_Polar::Project()
{
    cf_ChartEngine::Project();
    if (kernel->IsProjCurrent())
        for (cf_3DPoint &point : points)
            point.Project(*kernel);
}

bool cf_eng_Polar::SetViewMode(int mode)
{
    if (mode == 1) {
        EnterFlatView(90);
        return true;
    }
    return cf_ChartEngine::SetViewMode(mode);
}

void cf_eng_Polar::DrawWallsAndBitmap(bf_Display *display)
{
    cf_ChartEngine::DrawWallsAndBitmap(display);
    const cf_2DPoint flat[4] = {points[kFlatLeft].DevicePoint(), points[kFlatRight].DevicePoint(),
                                points[kFlatNear].DevicePoint(), points[kFlatFar].DevicePoint()};
    cf_2DPoint topLeft = flat[0], bottomRight = flat[0];
    for (const cf_2DPoint &p : flat) {
        topLeft = cf_2DPoint::Min(topLeft, p);
        bottomRight = cf_2DPoint::Max(bottomRight, p);
    }
    bottomRight = cf_2DPoint::Max(bottomRight, points[kRight].DevicePoint());
    bottomRight = cf_2DPoint::Max(bottomRight, points[kFar].DevicePoint());
    display->Ellipse(topLeft, bottomRight);
    for (cf_Virt3DObj *object : lists[0])
        object->DrawFormB(display);
}
