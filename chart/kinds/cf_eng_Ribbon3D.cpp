#include "chart/kinds/cf_eng_Ribbon3D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/solids/cf_3DSurface.h"

cf_eng_Ribbon3D::cf_eng_Ribbon3D() : cf_eng_CartXYZ(7, 2)
{
    SetDimension(2);
    cf_eng_CartXYZ::CreateGridFaces();
}

void cf_eng_Ribbon3D::BuildFromModel(cf_ChartModel *model)
{
    BuildGroupSurfaces(model, [](cf_3DSurface &surface, cf_DataGroup &group, int mode, double z0, double z1) {
        surface.SetEdgesInLineColour(0);
        for (int j = 1; j < group.Count(); ++j)
            surface.AddSegment(cf_GroupLayout::ValueX(group, j, mode), cf_GroupLayout::ValueX(group, j + 1, mode),
                               group.Value(j)->Y(), group.Value(j + 1)->Y(), z0, z1);
    });
}

void cf_eng_Ribbon3D::ComputeDataRanges(cf_ChartModel *model)
{
    cf_GroupLayout::SurfaceRanges(*model, dataRange);
}
