#pragma once
// cf_eng_Ribbon2D: the ribbon chart in the flat view (type 7, dimension 1).
// GUI thread only.

#include "chart/kinds/cf_eng_Ribbon3D.h"

class cf_eng_Ribbon2D : public cf_eng_Ribbon3D {
public:
    cf_eng_Ribbon2D();
};
