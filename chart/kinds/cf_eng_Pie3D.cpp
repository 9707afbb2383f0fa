#include "chart/kinds/cf_eng_Pie3D.h"

#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"

#include <cmath>

cf_eng_Pie3D::cf_eng_Pie3D()
{
    dimension = 2;
    top.SetThicknessFactor(1.0);
    SetDimension(2);
    cf_eng_Pie3D::RescaleWalls();
}

void cf_eng_Pie3D::SetThickness(double percent)
{
    top.SetThicknessFactor(percent * 0.01);
    RescaleWalls();
    geometryChanged = 1;
}

void cf_eng_Pie3D::RescaleWalls()
{
    cf_eng_Pie2D::RescaleWalls();
    top.Place(*kernel, origin);
    if (lists[2].size() > 1) {
        double lift = kernel->YMin() + top.Thickness() - lists[2].front()->WorkMinY();
        for (cf_Virt3DObj *object : lists[2])
            object->Translate(0, lift, 0);
    }
}

void cf_eng_Pie3D::BuildFromModel(cf_ChartModel *model)
{
    cf_eng_Pie2D::BuildFromModel(model);
    if (!model)
        return;
    for (cf_3DPoint *point : RimPoints(*model, top.Thickness()))
        AddDataObject(point);
}

cf_3DPoint *cf_eng_Pie3D::TopPoint(int n) const
{
    if (n < 1 || n > int(lists[2].size()))
        return nullptr;
    return static_cast<cf_3DPoint *>(lists[2][std::size_t(n - 1)]);
}

void cf_eng_Pie3D::UpdateGeometry()
{
    cf_eng_Polar::UpdateGeometry();
    top.Transform(*kernel);
}

void cf_eng_Pie3D::Project()
{
    cf_eng_Polar::Project();
    if (kernel->IsProjCurrent())
        top.Project(*kernel);
}

cf_eng_Pie3D::BandEnd cf_eng_Pie3D::RingEnd(int n) const
{
    return {RingPoint(n)->DevicePoint(), TopPoint(n)->DevicePoint()};
}

cf_eng_Pie3D::BandEnd cf_eng_Pie3D::Silhouette(bool right) const
{
    if (right)
        return {ReferencePoint(kFlatRight).DevicePoint(), top.Point(cf_PieTopRim::kFlatRight).DevicePoint()};
    return {ReferencePoint(kFlatLeft).DevicePoint(), top.Point(cf_PieTopRim::kFlatLeft).DevicePoint()};
}

void cf_eng_Pie3D::DrawSideWithoutWedges(bf_Display *display, const cf_2DRect &topRect)
{
    BandEnd left = Silhouette(false), right = Silhouette(true);
    const cf_2DPoint side[4] = {left.bottom, left.top, right.top, right.bottom};
    const cf_2DPoint leftEdge[2] = {left.bottom, left.top}, rightEdge[2] = {right.top, right.bottom};
    const cf_2DPoint corner(topRect.left, topRect.top), opposite(topRect.right, topRect.bottom);
    if (lists[2].empty() || !RingPoint(1)) {
        display->SelectPenColor(bf_Color(15));
        display->SelectBrushColor(bf_Color(15));
        display->Polygon(side, 4);
        delete display->PopBrush();
        delete display->PopPen();
        display->SelectPenColor(bf_Color(0));
        display->Polyline(leftEdge, 2);
        display->Polyline(rightEdge, 2);
        delete display->PopPen();
        display->SelectPenColor(bf_Color(0));
        display->SelectBrushColor(bf_Color(15));
        display->Ellipse(corner, opposite);
        delete display->PopBrush();
        delete display->PopPen();
        return;
    }
    cf_DispAttribs *attribs = RingPoint(1)->DispAttribs();
    bf_Color line = attribs->LineColor(), fill = attribs->FillColor();
    attribs->SetLineColor(fill);
    attribs->SelectPen(display);
    attribs->SelectBrush(display);
    display->Polygon(side, 4);
    attribs->ReleaseBrush(display);
    attribs->ReleasePen(display);
    attribs->SetLineColor(line);
    attribs->SelectPen(display);
    display->Polyline(leftEdge, 2);
    display->Polyline(rightEdge, 2);
    attribs->ReleasePen(display);
    attribs->SelectPen(display);
    attribs->SelectBrush(display);
    display->Ellipse(corner, opposite);
    attribs->ReleaseBrush(display);
    attribs->ReleasePen(display);
    attribs->SetLineColor(line);
    attribs->SetFillColor(fill);
}

void cf_eng_Pie3D::DrawWallsAndBitmap(bf_Display *display)
{
    DrawFlatPie(display);
    cf_2DRect topRect = top.Rect();
    int n = int(lists[2].size());
    if (n <= 1 || RingCount() != n) {
        DrawSideWithoutWedges(display, topRect);
    } else {
        DrawWedge(topRect, n, 1, display);
        for (int i = 1; i < n; ++i)
            DrawWedge(topRect, i, i + 1, display);
    }
    DrawManagers(display);
}

void cf_eng_Pie3D::DrawBand(const BandEnd &first, const BandEnd &second, bool last,
                            cf_DispAttribs *attribs, bf_Display *display)
{
    const cf_2DPoint band[4] = {first.bottom, first.top, second.top, second.bottom};
    bf_Color line = attribs->LineColor();
    attribs->SetLineColor(attribs->FillColor());
    attribs->SelectPen(display);
    attribs->SelectBrush(display);
    display->Polygon(band, 4);
    attribs->ReleaseBrush(display);
    attribs->ReleasePen(display);
    attribs->SetLineColor(line);

    attribs->SelectPen(display);
    const cf_2DPoint edge1[2] = {first.bottom, first.top}, edge2[2] = {second.top, second.bottom};
    display->Polyline(edge1, 2);
    display->Polyline(edge2, 2);
    // The rim's lower outline lies on the floor ellipse.
    if (last)
        display->Arc(FloorRect(), first.bottom, second.bottom);
    attribs->ReleasePen(display);
}

void cf_eng_Pie3D::DrawWedge(const cf_2DRect &topRect, int a, int b, bf_Display *display)
{
    cf_3DPoint *topA = TopPoint(a), *topB = TopPoint(b);
    if (!topA || !topB || !RingPoint(a) || !RingPoint(b))
        return;
    double d0 = top.Point(cf_PieTopRim::kFlatRight).ViewZ();
    double dA = topA->ViewZ(), dB = topB->ViewZ();
    cf_DispAttribs *attribs = topB->DispAttribs();
    if (dA > d0 && d0 > dB) {
        DrawBand(RingEnd(a), Silhouette(true), true, attribs, display);
    } else if (dA < d0 && d0 < dB) {
        DrawBand(Silhouette(false), RingEnd(b), true, attribs, display);
    } else if (d0 <= dA && d0 <= dB) {
        if (topB->ViewX() <= topA->ViewX()) {
            DrawBand(RingEnd(a), Silhouette(true), false, attribs, display);
            DrawBand(Silhouette(false), RingEnd(b), true, attribs, display);
        } else {
            DrawBand(RingEnd(a), RingEnd(b), true, attribs, display);
        }
    }
    attribs->SelectPen(display);
    attribs->SelectBrush(display);
    display->Pie(topRect, topA->DevicePoint(), topB->DevicePoint());
    attribs->ReleaseBrush(display);
    attribs->ReleasePen(display);
}
