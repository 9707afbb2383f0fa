#include "chart/kinds/cf_eng_Ribbon2D.h"

cf_eng_Ribbon2D::cf_eng_Ribbon2D()
{
    dimension = 1;
    SetDimension(1);
}
