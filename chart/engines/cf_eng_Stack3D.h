#pragma once
// cf_eng_Stack3D: the three-dimensional stacked column chart (type 8,
// dimension 2): per value position a series of box solids, one per group,
// positive values stacked upwards and negative ones downwards from 0, all
// in one row of depth. GUI thread only.

#include "chart/engine/cf_eng_CartXYZ.h"

class cf_eng_Stack3D : public cf_eng_CartXYZ {
public:
    cf_eng_Stack3D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // As the flat stacked chart: the stacked range on the left y face.
    void CreateGridFaces() override;
    void ComputeDataRanges(cf_ChartModel *model) override;
};
