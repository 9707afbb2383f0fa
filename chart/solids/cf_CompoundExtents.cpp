#include "chart/solids/cf_CompoundExtents.h"

#include "chart/scene/cf_Virt3DObj.h"

#include <algorithm>

void cf_CompoundExtents::TakePart(const cf_Virt3DObj &part, bool first)
{
    const double dLo[3] = {part.MinX(), part.MinY(), part.MinZ()};
    const double dHi[3] = {part.MaxX(), part.MaxY(), part.MaxZ()};
    const double wLo[3] = {part.WorkMinX(), part.WorkMinY(), part.WorkMinZ()};
    const double wHi[3] = {part.WorkMaxX(), part.WorkMaxY(), part.WorkMaxZ()};
    for (int a = 0; a < 3; ++a) {
        dataMin[a] = first ? dLo[a] : std::min(dataMin[a], dLo[a]);
        dataMax[a] = first ? dHi[a] : std::max(dataMax[a], dHi[a]);
        workMin[a] = first ? wLo[a] : std::min(workMin[a], wLo[a]);
        workMax[a] = first ? wHi[a] : std::max(workMax[a], wHi[a]);
    }
}

void cf_CompoundExtents::TakeViewOf(const cf_Virt3DObj &part, bool first)
{
    const double lo[3] = {part.ViewMinX(), part.ViewMinY(), part.ViewMinZ()};
    const double hi[3] = {part.ViewMaxX(), part.ViewMaxY(), part.ViewMaxZ()};
    for (int a = 0; a < 3; ++a) {
        viewMin[a] = first ? lo[a] : std::min(viewMin[a], lo[a]);
        viewMax[a] = first ? hi[a] : std::max(viewMax[a], hi[a]);
    }
}

void cf_CompoundExtents::FinishView()
{
    for (int a = 0; a < 3; ++a)
        viewMid[a] = (viewMax[a] - viewMin[a]) * 0.5 + viewMin[a];
}

void cf_CompoundExtents::Translated(double dx, double dy, double dz)
{
    const double d[3] = {dx, dy, dz};
    for (int a = 0; a < 3; ++a) {
        offset[a] += d[a];
        workMin[a] += d[a];
        workMax[a] += d[a];
    }
}

void cf_CompoundExtents::Scaled(double sx, double sy, double sz)
{
    const double s[3] = {sx, sy, sz};
    for (int a = 0; a < 3; ++a) {
        scale[a] *= s[a];
        double lo = workMin[a] * s[a], hi = workMax[a] * s[a];
        workMin[a] = std::min(lo, hi);
        workMax[a] = std::max(lo, hi);
    }
}

void cf_CompoundExtents::AssignFrom(const cf_CompoundExtents &other)
{
    for (int a = 0; a < 3; ++a) {
        dataMax[a] = other.dataMax[a];
        dataMin[a] = other.dataMin[a];
        workMax[a] = other.workMax[a];
        workMin[a] = other.workMin[a];
        offset[a] = other.offset[a];
        scale[a] = other.scale[a];
        viewMax[a] = other.viewMax[a];
        viewMin[a] = other.viewMin[a];
    }
    deviceXMax = other.deviceXMax;
    deviceXMin = other.deviceXMin;
    deviceYMax = other.deviceYMax;
    deviceYMin = other.deviceYMin;
}

void cf_CompoundExtents::ClearWork()
{
    for (int a = 0; a < 3; ++a)
        workMax[a] = workMin[a] = 0;
}
