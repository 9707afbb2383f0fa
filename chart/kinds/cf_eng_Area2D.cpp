#include "chart/kinds/cf_eng_Area2D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/scene/cf_3DPolygon.h"

cf_eng_Area2D::cf_eng_Area2D() : cf_eng_CartXYZ(1, 1)
{
    SetDimension(1);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Area2D::BuildFromModel(cf_ChartModel *model)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        int mode = m.ValueMode();
        for (int g = m.FirstGroup(); g <= m.LastGroup(); ++g) {
            cf_DataGroup *group = m.Group(g);
            if (!group || !group->HasValues())
                continue;
            auto *area = new cf_3DPolygon(&group->DispAttribs());
            double z = mode == 3 ? group->ZMin() : g - 1;
            area->AddPoint(cf_3DPoint(cf_GroupLayout::FirstX(*group, mode), 0, z));
            AddGroupPoints(*area, *group, g, mode);
            area->AddPoint(cf_3DPoint(cf_GroupLayout::LastX(*group, mode), 0, z));
            AddDataObject(area);
        }
    });
}
