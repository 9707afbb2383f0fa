#include "chart/kinds/cf_eng_Pie2D.h"

#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/values/cf_Check.h"
#include "chart/values/cf_Constants.h"

#include <cmath>

namespace {
constexpr double kPi = 3.141592653;
}

cf_eng_Pie2D::cf_eng_Pie2D() : cf_eng_Polar(5, 1)
{
    SetBackWallShown(0);
    SetLeftWallShown(0);
    SetFloorShown(0);
    SetDimension(1);
}

void cf_eng_Pie2D::SetWedgeOutline(unsigned char radii, unsigned char arc)
{
    radiiLines = radii;
    arcOutline = arc;
}

double cf_eng_Pie2D::Radius() const
{
    return kernel->XMax() - 0.1;
}

std::vector<double> cf_eng_Pie2D::EndAngles(const cf_ChartModel &model)
{
    std::vector<double> values;
    double dDataSum = 0;
    for (int g = model.FirstGroup(); g >= 1 && g <= model.LastGroup(); ++g) {
        const cf_DataGroup *group = model.Group(g);
        values.push_back(group ? group->SumAbsY() : 0);
        dDataSum += values.back();
    }
    std::vector<double> angles;
    double percent = 0;
    for (double value : values) {
        if (std::fabs(dDataSum) > CF_NUM_ZERO_IF_LT) {
            // The module's consistency check of the divisor (it holds here).
            if (!(std::fabs(dDataSum) > CF_NUM_ZERO_IF_LT))
                cf_ReportCheck(kModule, "fabs( dDataSum ) > CF_NUM_ZERO_IF_LT");
            percent += value * 100 / dDataSum;
        } else {
            percent = 0;
        }
        angles.push_back(percent * 0.01 * 2 * kPi);
    }
    return angles;
}

void cf_eng_Pie2D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    for (cf_3DPoint *point : RimPoints(*model, 0))
        AddAuxObject(point);
}

std::vector<cf_3DPoint *> cf_eng_Pie2D::RimPoints(cf_ChartModel &model, double height) const
{
    const double r = Radius();
    std::vector<double> angles = EndAngles(model);
    std::vector<cf_3DPoint *> points;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        auto *point = new cf_3DPoint(r * std::cos(angles[i]), height, -r * std::sin(angles[i]));
        cf_DataGroup *group = model.Group(model.FirstGroup() + int(i));
        if (group)
            point->SetDispAttribs(&group->DispAttribs());
        points.push_back(point);
    }
    return points;
}

cf_3DPoint *cf_eng_Pie2D::RingPoint(int n) const
{
    if (n < 1 || n > RingCount())
        return nullptr;
    return static_cast<cf_3DPoint *>(lists[1][std::size_t(n - 1)]);
}

void cf_eng_Pie2D::RescaleWalls()
{
    cf_eng_Polar::RescaleWalls();
    if (RingCount() > 1) {
        double lift = kernel->YMin() - RingPoint(1)->WorkY();
        for (cf_Virt3DObj *point : lists[1])
            point->Translate(0, lift, 0);
    }
}

cf_2DRect cf_eng_Pie2D::FloorRect() const
{
    const cf_2DPoint flat[4] = {ReferencePoint(kFlatLeft).DevicePoint(), ReferencePoint(kFlatRight).DevicePoint(),
                                ReferencePoint(kFlatNear).DevicePoint(), ReferencePoint(kFlatFar).DevicePoint()};
    cf_2DPoint topLeft = flat[0], bottomRight = flat[0];
    for (const cf_2DPoint &p : flat) {
        topLeft = cf_2DPoint::Min(topLeft, p);
        bottomRight = cf_2DPoint::Max(bottomRight, p);
    }
    bottomRight = cf_2DPoint::Max(bottomRight, ReferencePoint(kRight).DevicePoint());
    bottomRight = cf_2DPoint::Max(bottomRight, ReferencePoint(kFar).DevicePoint());
    return cf_2DRect(topLeft, bottomRight);
}

void cf_eng_Pie2D::DrawWallsAndBitmap(bf_Display *display)
{
    DrawFlatPie(display);
    DrawManagers(display);
}

void cf_eng_Pie2D::DrawFlatPie(bf_Display *display)
{
    cf_eng_Polar::DrawWallsAndBitmap(display);
    cf_2DRect floor = FloorRect();
    int n = RingCount();
    if (n == 0) {
        display->SelectPenColor(bf_Color(0));
        display->SelectBrushColor(bf_Color(15));
        display->Ellipse(cf_2DPoint(floor.left, floor.top), cf_2DPoint(floor.right, floor.bottom));
        delete display->PopBrush();
        delete display->PopPen();
    } else if (n == 1) {
        cf_DispAttribs *attribs = RingPoint(1)->DispAttribs();
        attribs->SelectPen(display);
        attribs->SelectBrush(display);
        display->Ellipse(cf_2DPoint(floor.left, floor.top), cf_2DPoint(floor.right, floor.bottom));
        attribs->ReleaseBrush(display);
        attribs->ReleasePen(display);
    } else {
        // Group i's wedge runs from point i - 1 (point n for the first) to point i.
        cf_eng_Pie2D::DrawWedge(floor, n, 1, display);
        for (int i = 1; i < n; ++i)
            cf_eng_Pie2D::DrawWedge(floor, i, i + 1, display);
    }
}

void cf_eng_Pie2D::DrawManagers(bf_Display *display)
{
    for (cf_Virt3DObj *object : lists[3])
        object->DrawFormB(display);
}

void cf_eng_Pie2D::DrawWedge(const cf_2DRect &rect, int a, int b, bf_Display *display)
{
    cf_3DPoint *from = RingPoint(a), *to = RingPoint(b);
    if (!from || !to)
        return;
    cf_2DPoint centre = ReferencePoint(kCentre).DevicePoint();
    cf_2DPoint start = from->DevicePoint(), end = to->DevicePoint();
    cf_DispAttribs *attribs = to->DispAttribs();
    attribs->SelectPen(display);
    attribs->SelectBrush(display);
    display->Pie(rect, start, end);
    attribs->ReleaseBrush(display);
    attribs->ReleasePen(display);

    display->SelectPenColor(bf_Color(0));
    if (arcOutline)
        display->Arc(rect, start, end);
    if (radiiLines) {
        const cf_2DPoint first[2] = {centre, start}, second[2] = {centre, end};
        display->Polyline(first, 2);
        display->Polyline(second, 2);
    }
    delete display->PopPen();
}
