#include "chart/engine/cf_eng_PointSer2D.h"

#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DPointSeries.h"

cf_eng_PointSer2D::cf_eng_PointSer2D() : cf_eng_CartXYZ(6, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_PointSer2D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
        cf_DataGroup *group = model->Group(g);
        if (!group || !group->HasValues())
            continue;
        auto *series = new cf_3DPointSeries(&group->DispAttribs());
        AddGroupPoints(*series, *group, g, model->ValueMode());
        AddDataObject(series);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}
