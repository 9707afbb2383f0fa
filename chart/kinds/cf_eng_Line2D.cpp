#include "chart/kinds/cf_eng_Line2D.h"

#include "chart/model/cf_DataGroup.h"
#include "chart/scene/cf_3DPolyLine.h"

cf_eng_Line2D::cf_eng_Line2D() : cf_eng_CartXYZ(4, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Line2D::BuildFromModel(cf_ChartModel *model)
{
    BuildGroupSeries(model, [](cf_DataGroup &group) -> cf_3DPointSeries * {
        return new cf_3DPolyLine(&group.DispAttribs());
    });
}
