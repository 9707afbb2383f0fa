#pragma once
// cf_eng_PointSer3D: the point-series chart in the three-dimensional view
// (type 6, dimension 2); it builds as the flat one. GUI thread only.

#include "chart/kinds/cf_eng_PointSer2D.h"

class cf_eng_PointSer3D : public cf_eng_PointSer2D {
public:
    cf_eng_PointSer3D();
};
