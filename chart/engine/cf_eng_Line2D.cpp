#include "chart/engine/cf_eng_Line2D.h"

#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DPolyLine.h"

cf_eng_Line2D::cf_eng_Line2D() : cf_eng_CartXYZ(4, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Line2D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
        cf_DataGroup *group = model->Group(g);
        if (!group || !group->HasValues())
            continue;
        auto *line = new cf_3DPolyLine(&group->DispAttribs());
        AddGroupPoints(*line, *group, g, model->ValueMode());
        AddDataObject(line);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}
