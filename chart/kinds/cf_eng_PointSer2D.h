#pragma once
// cf_eng_PointSer2D: the two-dimensional point-series chart (type 6,
// dimension 1): each data group with values becomes one series of points.
// The engine factory also falls back to it. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_PointSer2D : public cf_eng_CartXYZ {
public:
    cf_eng_PointSer2D();
    void BuildFromModel(cf_ChartModel *model) override;
};
