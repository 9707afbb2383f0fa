#include "chart/kinds/cf_eng_Col2D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/scene/cf_3DPolygon.h"

cf_eng_Col2D::cf_eng_Col2D() : cf_eng_CartXYZ(3, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Col2D::BuildFromModel(cf_ChartModel *model)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        cf_GroupLayout::ForEachBarSlot(m, barWidth, [this](cf_DataGroup &group, double v, double c, double half) {
            auto *column = new cf_3DPolygon(&group.DispAttribs());
            column->AddPoint(cf_3DPoint(c - half, 0, 0));
            column->AddPoint(cf_3DPoint(c - half, v, 0));
            column->AddPoint(cf_3DPoint(c + half, v, 0));
            column->AddPoint(cf_3DPoint(c + half, 0, 0));
            AddDataObject(column);
        });
    });
}
