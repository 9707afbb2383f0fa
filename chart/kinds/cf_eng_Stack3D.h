#pragma once
// cf_eng_Stack3D: the three-dimensional stacked column chart (type 8,
// dimension 2): per value position a series of box solids, one per group,
// all in one row of depth. GUI thread only.

#include "chart/kinds/cf_eng_StackBase.h"

class cf_3DPhedraSeries;

class cf_eng_Stack3D : public cf_eng_StackBase {
public:
    cf_eng_Stack3D() : cf_eng_StackBase(2) {}

protected:
    void ComputeDataRanges(cf_ChartModel *model) override;
    void StartPosition() override;
    void EndPosition() override;
    void AddBlock(cf_DataGroup &group, double centre, double half, double from, double to) override;

private:
    cf_3DPhedraSeries *series = nullptr;   // the position being built, until EndPosition adds it
};
