#include "chart/kinds/cf_eng_Line3D.h"

cf_eng_Line3D::cf_eng_Line3D()
{
    dimension = 2;
    SetDimension(2);
}
