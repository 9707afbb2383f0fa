#include "chart/engines/cf_eng_Ribbon3D.h"

#include "chart/engines/cf_GroupLayout.h"
#include "chart/solids/cf_3DSurface.h"

cf_eng_Ribbon3D::cf_eng_Ribbon3D() : cf_eng_CartXYZ(7, 2)
{
    SetDimension(2);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Ribbon3D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    int mode = model->ValueMode();
    double h = model->XStep() * 0.5 * barWidth;
    for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
        cf_DataGroup *group = model->Group(g);
        if (!group || group->Count() < 2)
            continue;
        auto *surface = new cf_3DSurface(&group->DispAttribs());
        surface->SetEdgesInLineColour(0);
        surface->SetCullBackFaces(0);
        double zc = mode == 3 ? group->Value(1)->Z() : cf_GroupLayout::RowDepth(g);
        for (int j = 1; j < group->Count(); ++j)
            surface->AddSegment(cf_GroupLayout::ValueX(*group, j, mode),
                                cf_GroupLayout::ValueX(*group, j + 1, mode), group->Value(j)->Y(),
                                group->Value(j + 1)->Y(), zc - h, zc + h);
        AddDataObject(surface);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}

void cf_eng_Ribbon3D::ComputeDataRanges(cf_ChartModel *model)
{
    cf_GroupLayout::SurfaceRanges(*model, dataRange);
}
