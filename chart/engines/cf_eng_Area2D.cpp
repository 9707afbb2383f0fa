#include "chart/engines/cf_eng_Area2D.h"

#include "chart/engines/cf_GroupLayout.h"
#include "chart/scene/cf_3DPolygon.h"

cf_eng_Area2D::cf_eng_Area2D() : cf_eng_CartXYZ(1, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Area2D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    int mode = model->ValueMode();
    for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
        cf_DataGroup *group = model->Group(g);
        if (!group || !group->HasValues())
            continue;
        auto *area = new cf_3DPolygon(&group->DispAttribs());
        double z = mode == 3 ? group->ZMin() : g - 1;
        area->AddPoint(cf_3DPoint(cf_GroupLayout::FirstX(*group, mode), 0, z));
        AddGroupPoints(*area, *group, g, mode);
        area->AddPoint(cf_3DPoint(cf_GroupLayout::LastX(*group, mode), 0, z));
        AddDataObject(area);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}
