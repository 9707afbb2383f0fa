#pragma once
// cf_eng_Area2D: the two-dimensional area chart (type 1, dimension 1):
// each data group with values becomes one polygon through its values,
// closed down to y = 0 at both ends, in the group's colours. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Area2D : public cf_eng_CartXYZ {
public:
    cf_eng_Area2D();
    void BuildFromModel(cf_ChartModel *model) override;
};
