#pragma once
// cf_eng_Line2D: the two-dimensional line chart (type 4, dimension 1): each
// data group with values becomes one poly-line, in group order, drawn in
// the group's colours in the flat view. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Line2D : public cf_eng_CartXYZ {
public:
    cf_eng_Line2D();
    void BuildFromModel(cf_ChartModel *model) override;
};
