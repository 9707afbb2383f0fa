#pragma once
// cf_eng_Area3D: the three-dimensional area chart (type 1, dimension 2).
// Each group of at least two values becomes one surface standing in its
// own row of depth: the top strips, both end caps, a floor under the parts
// below zero and the front face. GUI thread only.

#include "chart/kinds/cf_eng_Area2D.h"

class cf_eng_Area3D : public cf_eng_Area2D {
public:
    cf_eng_Area3D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // x widened by 1 each side in mode 1; z over the rows.
    void ComputeDataRanges(cf_ChartModel *model) override;
};
