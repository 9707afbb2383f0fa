#include "chart/kinds/cf_eng_Bar3D.h"

#include "chart/engine/cf_GroupLayout.h"

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
    BuildGroupBoxes(model, false);
}

void cf_eng_Bar3D::ComputeDataRanges(cf_ChartModel *model)
{
    double *r = dataRange;
    r[0] = model->YMin();
    r[1] = model->YMax();
    cf_GroupLayout::PositionRange(*model, r[2], r[3]);
    cf_GroupLayout::RowRange(*model, r[4], r[5]);
}
