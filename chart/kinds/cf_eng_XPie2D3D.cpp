#include "chart/kinds/cf_eng_XPie2D3D.h"

#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/solids/cf_3DPhedraSeries.h"

cf_eng_XPie2D3D::cf_eng_XPie2D3D()
{
    dimension = 2;
    SetDimension(2);
    chartType = 9;
    SetBackWallShown(0);
    SetLeftWallShown(0);
    SetFloorShown(1);
    cf_eng_XPie2D3D::RescaleWalls();
}

void cf_eng_XPie2D3D::SetThickness(double percent)
{
    top.SetThicknessFactor(percent * 0.01);
    RescaleWalls();
    geometryChanged = 1;
}

void cf_eng_XPie2D3D::RescaleWalls()
{
    cf_eng_Pie2D::RescaleWalls();
    top.Place(*kernel, origin);
    topCentre.SetPosition(origin[0], origin[1] + top.Thickness(), origin[2]);
}

void cf_eng_XPie2D3D::BuildFromModel(cf_ChartModel *model)
{
    cf_eng_Pie2D::BuildFromModel(model);
    if (!model || model->LastGroup() - model->FirstGroup() <= 1)
        return;
    auto *series = new cf_3DPhedraSeries;
    series->SetSortByOverlap(0);
    series->SetSortByDepth(1);
    series->SetCullBackFaces(1);
    std::vector<double> ends = EndAngles(*model);
    double start = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        cf_DataGroup *group = model->Group(model->FirstGroup() + int(i));
        series->AddRadial(ReferencePoint(kCentre), topCentre, Radius(), start, ends[i], kHeightPercent,
                          kExplodePercent, 1, group ? &group->DispAttribs() : nullptr);
        start = ends[i];
    }
    AddDataObject(series);
}

void cf_eng_XPie2D3D::UpdateGeometry()
{
    cf_eng_Polar::UpdateGeometry();
    topCentre.Transform(*kernel);
    top.Transform(*kernel);
}

void cf_eng_XPie2D3D::Project()
{
    cf_eng_Polar::Project();
    if (kernel->IsProjCurrent()) {
        topCentre.Project(*kernel);
        top.Project(*kernel);
    }
}

void cf_eng_XPie2D3D::DrawWallsAndBitmap(bf_Display *display)
{
    UpdateForDrawing(display, true);
    for (int list : {2, 3})
        for (cf_Virt3DObj *object : lists[list])
            object->DrawFormB(display);
}
