#include "chart/engines/cf_eng_Stack2D.h"

#include "chart/engines/cf_GroupLayout.h"
#include "chart/scene/cf_3DPolygon.h"

cf_eng_Stack2D::cf_eng_Stack2D() : cf_eng_CartXYZ(8, 1)
{
    SetDimension(1);
    cf_eng_Stack2D::CreateGridFaces();
}

void cf_eng_Stack2D::CreateGridFaces()
{
    cf_GroupLayout::ShowAxisFaces(*this, 5, 7);
}

void cf_eng_Stack2D::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    if (!model)
        return;
    int mode = model->ValueMode();
    double half = model->XStep() * 0.5 * barWidth;
    int count = 0;
    cf_DataGroup *longest = model->Group(cf_GroupLayout::LongestGroup(*model, count));
    for (int j = 1; longest && j <= count; ++j) {
        double c = cf_GroupLayout::PositionCentre(longest->Value(j)->X(), j, mode);
        double top = 0, bottom = 0; // the positive and the negative stack
        for (int g = model->FirstGroup(); g <= model->LastGroup(); ++g) {
            cf_DataGroup *group = model->Group(g);
            if (!group)
                continue;
            double v = group->Value(j)->Y();
            double from, to;
            cf_GroupLayout::StackSpan(v, top, bottom, from, to);
            auto *block = new cf_3DPolygon(&group->DispAttribs());
            block->AddPoint(cf_3DPoint(c - half, from, 0));
            block->AddPoint(cf_3DPoint(c - half, to, 0));
            block->AddPoint(cf_3DPoint(c + half, to, 0));
            block->AddPoint(cf_3DPoint(c + half, from, 0));
            AddDataObject(block);
        }
    }
    if (mode == 1) {
        auto *hidden = new cf_3DPoint(count + 1, 0, 0);
        hidden->SetVisible(0);
        AddAuxObject(hidden);
    }
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}
