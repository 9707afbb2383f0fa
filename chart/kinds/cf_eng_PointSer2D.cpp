#include "chart/kinds/cf_eng_PointSer2D.h"

#include "chart/model/cf_DataGroup.h"
#include "chart/scene/cf_3DPointSeries.h"

cf_eng_PointSer2D::cf_eng_PointSer2D() : cf_eng_CartXYZ(6, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_PointSer2D::BuildFromModel(cf_ChartModel *model)
{
    BuildGroupSeries(model, [](cf_DataGroup &group) -> cf_3DPointSeries * {
        return new cf_3DPointSeries(&group.DispAttribs());
    });
}
