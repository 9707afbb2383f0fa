#pragma once
// cf_eng_StackBase: what the flat and the three-dimensional stacked column
// charts (type 8) share: at each value position of the longest group the
// groups' values are stacked, positive ones upwards from 0 and negative
// ones downwards from 0; in value mode 1 a hidden point at N + 1 widens the
// box by one position; the left y face shows the stacked range. The kinds
// make the blocks. GUI thread only.

#include "chart/kinds/cf_eng_CartXYZ.h"

class cf_eng_StackBase : public cf_eng_CartXYZ {
public:
    cf_eng_StackBase(int dimension);
    void BuildFromModel(cf_ChartModel *model) override;

protected:
    // The left y face shows the stacked range (source 7).
    void CreateGridFaces() override;
    // Around the blocks of one value position.
    virtual void StartPosition() {}
    virtual void EndPosition() {}
    // The block of group's value on the current position: from..to on the
    // stack, centred on centre, each side half wide.
    virtual void AddBlock(cf_DataGroup &group, double centre, double half, double from, double to) = 0;
};
