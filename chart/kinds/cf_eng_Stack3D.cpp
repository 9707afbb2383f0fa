#include "chart/kinds/cf_eng_Stack3D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/solids/cf_3DPhedraSeries.h"

void cf_eng_Stack3D::StartPosition()
{
    series = new cf_3DPhedraSeries;
}

void cf_eng_Stack3D::AddBlock(cf_DataGroup &group, double centre, double half, double from, double to)
{
    // The next solid takes the group's colours from the series.
    series->SetDispAttribs(&group.DispAttribs());
    series->AddStack(centre - half, centre + half, from, to, 0.5 - half, 0.5 + half);
}

void cf_eng_Stack3D::EndPosition()
{
    AddDataObject(series);
    series = nullptr;
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
