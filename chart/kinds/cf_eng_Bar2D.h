#pragma once
// cf_eng_Bar2D: the two-dimensional bar chart (type 2, dimension 1): the
// column chart turned on its side. Each value is a horizontal bar from
// x = 0; the value positions run up the y axis, so the axis faces and the
// data ranges swap x and y. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_Bar2D : public cf_eng_CartXYZ {
public:
    cf_eng_Bar2D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // The bottom x face shows the values (source 6), the left y face the
    // positions (source 5).
    void CreateGridFaces() override;
    void ComputeDataRanges(cf_ChartModel *model) override;
};
