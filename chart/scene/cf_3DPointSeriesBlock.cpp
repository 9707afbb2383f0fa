// cf_3DPointSeries: the block of points given by their coordinates, kept
// and mapped in bulk.

#include "chart/scene/cf_3DPointSeries.h"

#include "chart/kernel/cf_Kernel.h"

#include <algorithm>
#include <initializer_list>

void cf_3DPointSeries::Block::Clear()
{
    data.clear();
    for (std::vector<double> *v : {&workX, &workY, &workZ, &viewX, &viewY, &viewZ})
        v->clear();
    viewIsWork = true;
    projected = false;
    device.clear();
}

void cf_3DPointSeries::Materialise() const
{
    const double *vx = block.ViewX(), *vy = block.ViewY(), *vz = block.ViewZ();
    block.device.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const Block::Coordinates &d = block.data[std::size_t(i)];
        auto *point = new cf_3DPoint(d.x, d.y, d.z);
        point->SetWorking(block.workX[i], block.workY[i], block.workZ[i]);
        point->SetView(vx[i], vy[i], vz[i]);
        point->SetDevicePoint(block.device[i]);
        point->SetMarkerStyle(templatePoint.MarkerStyle());
        point->SetAutoSize(0);
        point->SetNoPen(1);
        point->SetNoBrush(1);
        points.At(i + 1) = point;
    }
    block.Clear();
    bulk = false;
}

void cf_3DPointSeries::Reserve(int n)
{
    if (n <= 0)
        return;
    block.data.reserve(std::size_t(n));
    for (std::vector<double> *v : {&block.workX, &block.workY, &block.workZ})
        v->reserve(std::size_t(n));
}

void cf_3DPointSeries::AddPointsXYZ(const double *xs, const double *ys, double z, int n)
{
    if (n <= 0 || !xs || !ys)
        return;
    if (count > 0 && (!bulk || !block.viewIsWork)) {
        for (int i = 0; i < n; ++i)
            AddPointXYZ(xs[i], ys[i], z);
        return;
    }
    bulk = true;
    block.projected = false;
    std::size_t first = block.workX.size();
    std::size_t total = first + std::size_t(n);
    block.data.resize(total);
    block.workX.insert(block.workX.end(), xs, xs + n);
    block.workY.insert(block.workY.end(), ys, ys + n);
    block.workZ.resize(total, z);
    double minX = xs[0], maxX = xs[0], minY = ys[0], maxY = ys[0];
    for (int i = 0; i < n; ++i) {
        block.data[first + std::size_t(i)] = {xs[i], ys[i], z};
        minX = xs[i] < minX ? xs[i] : minX;
        maxX = xs[i] > maxX ? xs[i] : maxX;
        minY = ys[i] < minY ? ys[i] : minY;
        maxY = ys[i] > maxY ? ys[i] : maxY;
    }
    // Working and data positions agree for new points.
    WidenExtents(minX, minY, z, minX, minY, z, count == 0);
    WidenExtents(maxX, maxY, z, maxX, maxY, z, false);
    count += n;
}

void cf_3DPointSeries::AddPointXYZ(double x, double y, double z)
{
    // Into the block only while it holds no view of its own (a transformed
    // block goes over to objects, as does a series of objects).
    if (count > 0 && (!bulk || !block.viewIsWork)) {
        AddPoint(new cf_3DPoint(x, y, z));
        return;
    }
    bulk = true;
    // A new point starts at its data position in every state, as an object would.
    block.data.push_back({x, y, z});
    block.workX.push_back(x);
    block.workY.push_back(y);
    block.workZ.push_back(z);
    block.projected = false;
    ++count;
    Widen(x, y, z, x, y, z);
}

void cf_3DPointSeries::WidenDevice(const cf_2DPoint *device, int n)
{
    if (n <= 0)
        return;
    int minX = device[0].x, maxX = minX, minY = device[0].y, maxY = minY;
    for (int i = 1; i < n; ++i) {
        const cf_2DPoint &d = device[i];
        minX = d.x < minX ? d.x : minX;
        maxX = d.x > maxX ? d.x : maxX;
        minY = d.y < minY ? d.y : minY;
        maxY = d.y > maxY ? d.y : maxY;
    }
    devMinX = minX;
    devMaxX = maxX;
    devMinY = minY;
    devMaxY = maxY;
}

void cf_3DPointSeries::TransformBlock(const cf_Kernel &kernel)
{
    (void)kernel.GeomMatrix(); // reports a stale geometry
    bool wasWork = block.viewIsWork;
    block.viewIsWork = kernel.IsIdentityGeometry();
    if (!block.viewIsWork || !wasWork)
        block.projected = false;
    if (block.viewIsWork) {
        block.viewX.clear();
        block.viewY.clear();
        block.viewZ.clear();
        viewMinX = workMinX, viewMaxX = workMaxX;
        viewMinY = workMinY, viewMaxY = workMaxY;
        viewMinZ = workMinZ, viewMaxZ = workMaxZ;
        return;
    }
    block.viewX = block.workX;
    block.viewY = block.workY;
    block.viewZ = block.workZ;
    kernel.TransformPoints(block.viewX.data(), block.viewY.data(), block.viewZ.data(), count);
    for (int i = 0; i < count; ++i)
        WidenView(block.viewX[i], block.viewY[i], block.viewZ[i], i == 0);
}

void cf_3DPointSeries::ProjectBlock(const cf_Kernel &kernel)
{
    const double (&p)[4][2] = kernel.ProjMatrix(); // reports a stale projection
    const double key[4] = {p[0][0], p[3][0], p[1][1], p[3][1]};
    // Projected already, unchanged since: the device points stand.
    if (block.projected && std::equal(key, key + 4, block.projection))
        return;
    block.device.resize(std::size_t(count));
    kernel.ProjectPoints(block.ViewX(), block.ViewY(), block.device.data(), count);
    WidenDevice(block.device.data(), count);
    std::copy(key, key + 4, block.projection);
    block.projected = true;
}
