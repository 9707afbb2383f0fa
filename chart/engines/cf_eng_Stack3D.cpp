#include "chart/engines/cf_eng_Stack3D.h"

#include "chart/engines/cf_GroupLayout.h"
#include "chart/solids/cf_3DPhedraSeries.h"

cf_eng_Stack3D::cf_eng_Stack3D() : cf_eng_CartXYZ(8, 2)
{
    SetDimension(2);
    cf_eng_Stack3D::CreateGridFaces();
}

void cf_eng_Stack3D::CreateGridFaces()
{
    cf_GroupLayout::ShowAxisFaces(*this, 5, 7);
}

void cf_eng_Stack3D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    int mode = model->ValueMode();
    double h = model->XStep() * 0.5 * barWidth;
    int count = 0;
    cf_DataGroup *longest = model->Group(cf_GroupLayout::LongestGroup(*model, count));
    for (int j = 1; longest && j <= count; ++j) {
        auto *series = new cf_3DPhedraSeries;
        double c = cf_GroupLayout::PositionCentre(longest->Value(j)->X(), j, mode);
        double top = 0, bottom = 0; // the positive and the negative stack
        for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
            cf_DataGroup *group = model->Group(g);
            if (!group)
                continue;
            double v = group->Value(j)->Y();
            // The next solid takes the group's colours from the series.
            series->SetDispAttribs(&group->DispAttribs());
            double from, to;
            cf_GroupLayout::StackSpan(v, top, bottom, from, to);
            series->AddStack(c - h, c + h, from, to, 0.5 - h, 0.5 + h);
        }
        AddDataObject(series);
    }
    if (mode == 1) {
        auto *hidden = new cf_3DPoint(count + 1, 0, 0);
        hidden->SetVisible(0);
        AddAuxObject(hidden);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}

void cf_eng_Stack3D::ComputeDataRanges(cf_ChartModel *model)
{
    double *r = dataRange;
    cf_GroupLayout::PositionRange(*model, r[0], r[1]);
    r[2] = model->StackedYMin();
    r[3] = model->StackedYMax();
    r[4] = 0;
    r[5] = 1;
}
