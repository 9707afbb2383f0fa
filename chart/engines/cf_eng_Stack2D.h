#pragma once
// cf_eng_Stack2D: the two-dimensional stacked column chart (type 8,
// dimension 1): at each value position the groups' values are stacked,
// positive ones upwards from 0 and negative ones downwards from 0. In value
// mode 1 a hidden point at N + 1 widens the box by one position.
// GUI thread only.

#include "chart/engine/cf_eng_CartXYZ.h"

class cf_eng_Stack2D : public cf_eng_CartXYZ {
public:
    cf_eng_Stack2D();
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // The left y face shows the stacked range (source 7).
    void CreateGridFaces() override;
};
