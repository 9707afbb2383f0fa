#include "chart/kinds/cf_eng_StackBase.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/scene/cf_3DPoint.h"

cf_eng_StackBase::cf_eng_StackBase(int dimension) : cf_eng_CartXYZ(8, dimension)
{
    SetDimension(dimension);
    cf_eng_StackBase::CreateGridFaces();
}

void cf_eng_StackBase::CreateGridFaces()
{
    cf_GroupLayout::ShowAxisFaces(*this, 5, 7);
}

void cf_eng_StackBase::BuildFromModel(cf_ChartModel *model)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        int mode = m.ValueMode();
        double half = m.XStep() * 0.5 * barWidth;
        int count = 0;
        cf_DataGroup *longest = m.Group(cf_GroupLayout::LongestGroup(m, count));
        for (int j = 1; longest && j <= count; ++j) {
            StartPosition();
            double c = cf_GroupLayout::PositionCentre(longest->Value(j)->X(), j, mode);
            double top = 0, bottom = 0; // the positive and the negative stack
            for (int g = m.FirstGroup(); g <= m.LastGroup(); ++g) {
                cf_DataGroup *group = m.Group(g);
                if (!group)
                    continue;
                double from, to;
                cf_GroupLayout::StackSpan(group->Value(j)->Y(), top, bottom, from, to);
                AddBlock(*group, c, half, from, to);
            }
            EndPosition();
        }
        if (mode == 1) {
            auto *hidden = new cf_3DPoint(count + 1, 0, 0);
            hidden->SetVisible(0);
            AddAuxObject(hidden);
        }
    });
}
