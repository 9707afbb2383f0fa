#pragma once
// cf_eng_Bar3D: the three-dimensional bar chart (type 2, dimension 2): per
// group a series of box solids, one per value, lying along x from 0 to
// the value, the groups in rows of depth. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Bar3D : public cf_eng_CartXYZ {
public:
    cf_eng_Bar3D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // As the flat bar chart: values on the bottom x face (source 6).
    void CreateGridFaces() override;
    void ComputeDataRanges(cf_ChartModel *model) override;
};
