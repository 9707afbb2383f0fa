#pragma once
// cf_eng_Col3D: the three-dimensional column chart (type 3, dimension 2):
// per group a series of box solids, one per value, standing along y from 0
// to the value, the groups in rows of depth. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Col3D : public cf_eng_CartXYZ {
public:
    cf_eng_Col3D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    void ComputeDataRanges(cf_ChartModel *model) override;
};
