#include "chart/axes/cf_EngineFrame.h"

#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DPoint.h"

bool cf_EngineFrame::PlaceObject(cf_3DPoint *point, double x, double y, double z, int relative) const
{
    if (!point || !kernel)
        return false;
    point->SetPosition(kernel->XMax() * x * 0.01, kernel->YMax() * y * 0.01, kernel->ZMax() * z * 0.01);
    if (relative == 1)
        point->Translate(-origin[0], -origin[1], -origin[2]);
    point->Transform(*kernel);
    return true;
}
