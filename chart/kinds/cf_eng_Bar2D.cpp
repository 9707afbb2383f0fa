#include "chart/kinds/cf_eng_Bar2D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/scene/cf_3DPolygon.h"

cf_eng_Bar2D::cf_eng_Bar2D() : cf_eng_CartXYZ(2, 1)
{
    SetDimension(1);
    cf_eng_Bar2D::CreateGridFaces();
}

void cf_eng_Bar2D::CreateGridFaces()
{
    cf_GroupLayout::ShowAxisFaces(*this, 6, 5);
}

void cf_eng_Bar2D::BuildFromModel(cf_ChartModel *model)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        cf_GroupLayout::ForEachBarSlot(m, barWidth, [this](cf_DataGroup &group, double v, double c, double half) {
            auto *bar = new cf_3DPolygon(&group.DispAttribs());
            bar->AddPoint(cf_3DPoint(0, c - half, 0));
            bar->AddPoint(cf_3DPoint(v, c - half, 0));
            bar->AddPoint(cf_3DPoint(v, c + half, 0));
            bar->AddPoint(cf_3DPoint(0, c + half, 0));
            AddDataObject(bar);
        });
    });
}

void cf_eng_Bar2D::ComputeDataRanges(cf_ChartModel *model)
{
    double *r = dataRange;
    r[0] = model->YMin();
    r[1] = model->YMax();
    cf_GroupLayout::PositionRange(*model, r[2], r[3]);
    r[4] = 0;
    r[5] = 2 * model->ZMax() - 1;
}
