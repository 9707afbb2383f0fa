#include "chart/engines/cf_eng_Bar3D.h"

#include "chart/engines/cf_GroupLayout.h"
#include "chart/solids/cf_3DPhedraSeries.h"

cf_eng_Bar3D::cf_eng_Bar3D() : cf_eng_CartXYZ(2, 2)
{
    SetDimension(2);
    cf_eng_Bar3D::CreateGridFaces();
}

void cf_eng_Bar3D::CreateGridFaces()
{
    cf_GroupLayout::ShowAxisFaces(*this, 6, 5);
}

void cf_eng_Bar3D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    int mode = model->ValueMode();
    double h = model->XStep() * 0.5 * barWidth;
    for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
        cf_DataGroup *group = model->Group(g);
        if (!group || !group->HasValues())
            continue;
        auto *series = new cf_3DPhedraSeries(&group->DispAttribs());
        series->SetSortByOverlap(1);
        series->SetSortByDepth(1);
        series->SetCullBackFaces(1);
        for (int j = 1; j <= group->Count(); ++j) {
            const cf_XYZ *value = group->Value(j);
            double v = value->Y();
            double lo = v < 0 ? v : 0, hi = v < 0 ? 0 : v;
            double c = mode == 3 ? value->X() : mode == 2 ? j - 0.5 : j;
            double zc = mode == 3 ? value->Z() : cf_GroupLayout::RowDepth(g);
            series->AddBar(lo, hi, c - h, c + h, zc - h, zc + h);
        }
        AddDataObject(series);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}

void cf_eng_Bar3D::ComputeDataRanges(cf_ChartModel *model)
{
    double *r = dataRange;
    r[0] = model->YMin();
    r[1] = model->YMax();
    cf_GroupLayout::PositionRange(*model, r[2], r[3]);
    cf_GroupLayout::RowRange(*model, r[4], r[5]);
}
