#pragma once
// cf_eng_Col2D: the two-dimensional column chart (type 3, dimension 1): one
// vertical column from y = 0 to each value, the groups' columns of one
// value position side by side in slots. A group shorter than the longest
// repeats its last value. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Col2D : public cf_eng_CartXYZ {
public:
    cf_eng_Col2D();
    void BuildFromModel(cf_ChartModel *model) override;
};
