#pragma once
// cf_eng_Stack2D: the two-dimensional stacked column chart (type 8,
// dimension 1): each block a flat rectangle on the group's attributes.
// GUI thread only.

#include "chart/kinds/cf_eng_StackBase.h"

class cf_eng_Stack2D : public cf_eng_StackBase {
public:
    cf_eng_Stack2D() : cf_eng_StackBase(1) {}

protected:
    void AddBlock(cf_DataGroup &group, double centre, double half, double from, double to) override;
};
