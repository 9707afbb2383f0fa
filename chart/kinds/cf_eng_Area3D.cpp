#include "chart/kinds/cf_eng_Area3D.h"

#include "chart/engine/cf_GroupLayout.h"
#include "chart/solids/cf_3DSurface.h"
#include "chart/values/cf_Constants.h"

#include <vector>

cf_eng_Area3D::cf_eng_Area3D()
{
    dimension = 2;
    SetDimension(2);
}

namespace {

// The floor at y = 0 under the part of the step from a to b below zero.
void AddFloor(cf_3DSurface &surface, double xa, double ya, double xb, double yb, double z0, double z1)
{
    if ((ya < 0 && yb > 0) || (ya > 0 && yb < 0)) {
        double k = xb - xa > CF_NUM_ZERO_IF_LT ? (yb - ya) / (xb - xa) : 1.0;
        double crossing = (k * xa - ya) / k;
        if (k <= 0)
            surface.AddSegment(crossing, xb, 0, 0, z0, z1);
        else
            surface.AddSegment(xa, crossing, 0, 0, z0, z1);
    } else if (ya <= 0 && yb <= 0) {
        surface.AddSegment(xa, xb, 0, 0, z0, z1);
    }
}

} // namespace

void cf_eng_Area3D::BuildFromModel(cf_ChartModel *model)
{
    BuildGroupSurfaces(model, [](cf_3DSurface &surface, cf_DataGroup &group, int mode, double z0, double z1) {
        surface.SetEdgesInLineColour(1);
        surface.SetSortByOverlap(1);
        const int n = group.Count();
        std::vector<double> x(n + 1), y(n + 1);
        for (int j = 1; j <= n; ++j) {
            x[j] = cf_GroupLayout::ValueX(group, j, mode);
            y[j] = group.Value(j)->Y();
        }
        const double first = cf_GroupLayout::FirstX(group, mode);
        const double last = cf_GroupLayout::LastX(group, mode);
        surface.AddSegment(first, first, 0, y[1], z0, z1);
        for (int j = 1; j < n; ++j) {
            surface.AddSegment(x[j], x[j + 1], y[j], y[j + 1], z0, z1);
            AddFloor(surface, x[j], y[j], x[j + 1], y[j + 1], z0, z1);
        }
        surface.AddSegment(last, last, y[n], 0, z0, z1);

        auto *front = new cf_3DFacet(&group.DispAttribs());
        front->AddPoint(cf_3DPoint(last, 0, z1));
        for (int j = n; j >= 1; --j)
            front->AddPoint(cf_3DPoint(x[j], y[j], z1));
        front->AddPoint(cf_3DPoint(first, 0, z1));
        surface.AddFacet(front);
    });
}

void cf_eng_Area3D::ComputeDataRanges(cf_ChartModel *model)
{
    cf_GroupLayout::SurfaceRanges(*model, dataRange);
}
