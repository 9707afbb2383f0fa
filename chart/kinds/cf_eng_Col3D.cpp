#include "chart/kinds/cf_eng_Col3D.h"

#include "chart/engine/cf_GroupLayout.h"

cf_eng_Col3D::cf_eng_Col3D() : cf_eng_CartXYZ(3, 2)
{
    SetDimension(2);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Col3D::BuildFromModel(cf_ChartModel *model)
{
    BuildGroupBoxes(model, true);
}

void cf_eng_Col3D::ComputeDataRanges(cf_ChartModel *model)
{
    double *r = dataRange;
    cf_GroupLayout::PositionRange(*model, r[0], r[1]);
    r[2] = model->YMin();
    r[3] = model->YMax();
    cf_GroupLayout::RowRange(*model, r[4], r[5]);
}
