#include "chart/kinds/cf_eng_PointSer3D.h"

cf_eng_PointSer3D::cf_eng_PointSer3D()
{
    dimension = 2;
    SetDimension(2);
}
