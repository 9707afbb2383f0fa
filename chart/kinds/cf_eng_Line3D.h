#pragma once
// cf_eng_Line3D: the line chart in the three-dimensional view (type 4,
// dimension 2); it builds as the flat one. GUI thread only.

#include "chart/kinds/cf_eng_Line2D.h"

class cf_eng_Line3D : public cf_eng_Line2D {
public:
    cf_eng_Line3D();
};
