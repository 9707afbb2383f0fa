#pragma once
// cf_eng_Ribbon3D: the ribbon chart (type 7, dimension 2): each group of at
// least two values becomes one surface of strips from value to value,
// standing in its own row of depth, its faces outlined in the fill colour
// in the flat pass. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Ribbon3D : public cf_eng_CartXYZ {
public:
    cf_eng_Ribbon3D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // As the three-dimensional area chart.
    void ComputeDataRanges(cf_ChartModel *model) override;
};
