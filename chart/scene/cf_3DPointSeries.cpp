#include "chart/scene/cf_3DPointSeries.h"

#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/values/cf_Extent.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

cf_3DPointSeries::cf_3DPointSeries() : cf_3DPointSeries(nullptr) {}

cf_3DPointSeries::cf_3DPointSeries(cf_DispAttribs *borrowed)
    : cf_Virt3DObj(borrowed), dataMaxX(0), dataMinX(0), dataMaxY(0), dataMinY(0), dataMaxZ(0),
      dataMinZ(0), workMaxX(0), workMinX(0), workMaxY(0), workMinY(0), workMaxZ(0), workMinZ(0),
      offset{0, 0, 0}, scale{1, 1, 1}, viewMaxX(0), viewMinX(0), viewCentreX(0), viewMaxY(0),
      viewMinY(0), viewCentreY(0), viewMaxZ(0), viewMinZ(0), viewCentreZ(0), devMaxX(0),
      devMinX(0), devMaxY(0), devMinY(0), points(41), count(0)
{
    templatePoint.SetAutoSize(1);
}

cf_3DPointSeries::~cf_3DPointSeries()
{
    DeletePoints();
}

cf_3DPointSeries &cf_3DPointSeries::operator=(const cf_3DPointSeries &other)
{
    if (this == &other)
        return *this;
    cf_Virt3DObj::operator=(other);
    templatePoint = other.templatePoint;
    DeletePoints();
    if (other.bulk) {
        block = other.block;
        bulk = true;
    } else {
        for (int n = 1; n <= other.count; ++n)
            points.At(n) = new cf_3DPoint(*other.PointAt(n));
    }
    count = other.count;
    dataMaxX = other.dataMaxX, dataMinX = other.dataMinX, dataMaxY = other.dataMaxY;
    dataMinY = other.dataMinY, dataMaxZ = other.dataMaxZ, dataMinZ = other.dataMinZ;
    workMaxX = other.workMaxX, workMinX = other.workMinX, workMaxY = other.workMaxY;
    workMinY = other.workMinY, workMaxZ = other.workMaxZ, workMinZ = other.workMinZ;
    for (int i = 0; i < 3; ++i) {
        offset[i] = other.offset[i];
        scale[i] = other.scale[i];
    }
    viewMaxX = other.viewMaxX, viewMinX = other.viewMinX, viewCentreX = other.viewCentreX;
    viewMaxY = other.viewMaxY, viewMinY = other.viewMinY, viewCentreY = other.viewCentreY;
    viewMaxZ = other.viewMaxZ, viewMinZ = other.viewMinZ, viewCentreZ = other.viewCentreZ;
    devMaxX = other.devMaxX, devMinX = other.devMinX;
    devMaxY = other.devMaxY, devMinY = other.devMinY;
    return *this;
}

cf_3DPoint *cf_3DPointSeries::PointAt(int n) const
{
    if (n < 1 || n > count)
        return nullptr;
    if (bulk)
        Materialise();
    return static_cast<cf_3DPoint *>(points.At(n));
}

cf_3DPoint *cf_3DPointSeries::CopyPointAt(int n) const
{
    cf_3DPoint *point = PointAt(n);
    return point ? new cf_3DPoint(*point) : nullptr;
}

void cf_3DPointSeries::AddPoint(cf_3DPoint *point)
{
    if (!point)
        return;
    if (bulk)
        Materialise();
    ++count;
    points.At(count) = point;
    point->SetMarkerStyle(templatePoint.MarkerStyle());
    point->SetAutoSize(0);
    point->SetNoPen(1);
    point->SetNoBrush(1);
    Widen(*point);
}

void cf_3DPointSeries::AddPoint(const cf_3DPoint &point)
{
    AddPoint(new cf_3DPoint(point));
}

void cf_3DPointSeries::Widen(const cf_3DPoint &p)
{
    Widen(p.DataX(), p.DataY(), p.DataZ(), p.WorkX(), p.WorkY(), p.WorkZ());
}

void cf_3DPointSeries::Widen(double dx, double dy, double dz, double wx, double wy, double wz)
{
    WidenExtents(dx, dy, dz, wx, wy, wz, count == 1);
}

void cf_3DPointSeries::WidenExtents(double dx, double dy, double dz, double wx, double wy, double wz, bool first)
{
    cf_WidenRange(dataMinX, dataMaxX, dx, first);
    cf_WidenRange(dataMinY, dataMaxY, dy, first);
    cf_WidenRange(dataMinZ, dataMaxZ, dz, first);
    cf_WidenRange(workMinX, workMaxX, wx, first);
    cf_WidenRange(workMinY, workMaxY, wy, first);
    cf_WidenRange(workMinZ, workMaxZ, wz, first);
}

void cf_3DPointSeries::DeletePoints()
{
    if (bulk) {
        block.Clear();
        bulk = false;
        count = 0;
        return;
    }
    cf_DeleteSlots<cf_3DPoint>(points, count);
    count = 0;
}

void cf_3DPointSeries::Clear()
{
    DeletePoints();
    dataMaxX = dataMinX = dataMaxY = dataMinY = dataMaxZ = dataMinZ = 0;
    workMaxX = workMinX = workMaxY = workMinY = workMaxZ = workMinZ = 0;
    viewMaxX = viewMinX = viewMaxY = viewMinY = viewMaxZ = viewMinZ = 0;
    devMaxX = devMinX = devMaxY = devMinY = 0;
}

void cf_3DPointSeries::Translate(double dx, double dy, double dz)
{
    if (bulk) {
        block.projected = false;
        for (int i = 0; i < count; ++i) {
            block.workX[i] += dx;
            block.workY[i] += dy;
            block.workZ[i] += dz;
        }
    } else {
        for (int n = 1; n <= count; ++n)
            PointAt(n)->Translate(dx, dy, dz);
    }
    offset[0] += dx;
    offset[1] += dy;
    offset[2] += dz;
    workMinX += dx;
    workMaxX += dx;
    workMinY += dy;
    workMaxY += dy;
    workMinZ += dz;
    workMaxZ += dz;
}

namespace {

// Multiplies an extent by a factor, keeping minimum below maximum.
void ScaleExtent(double &lo, double &hi, double factor)
{
    double a = lo * factor, b = hi * factor;
    lo = a < b ? a : b;
    hi = a < b ? b : a;
}

} // namespace

void cf_3DPointSeries::Scale(double sx, double sy, double sz)
{
    double saved[3] = {offset[0], offset[1], offset[2]};
    if (bulk) {
        // About the offset in one pass: (w - offset) x s + offset.
        block.projected = false;
        for (int i = 0; i < count; ++i) {
            block.workX[i] = (block.workX[i] - saved[0]) * sx + saved[0];
            block.workY[i] = (block.workY[i] - saved[1]) * sy + saved[1];
            block.workZ[i] = (block.workZ[i] - saved[2]) * sz + saved[2];
        }
        workMinX -= saved[0], workMaxX -= saved[0];
        workMinY -= saved[1], workMaxY -= saved[1];
        workMinZ -= saved[2], workMaxZ -= saved[2];
        offset[0] = offset[1] = offset[2] = 0;
    } else {
        Translate(-saved[0], -saved[1], -saved[2]);
        for (int n = 1; n <= count; ++n)
            PointAt(n)->Scale(sx, sy, sz);
    }
    scale[0] *= sx;
    scale[1] *= sy;
    scale[2] *= sz;
    ScaleExtent(workMinX, workMaxX, sx);
    ScaleExtent(workMinY, workMaxY, sy);
    ScaleExtent(workMinZ, workMaxZ, sz);
    if (bulk) {
        offset[0] = saved[0], offset[1] = saved[1], offset[2] = saved[2];
        workMinX += saved[0], workMaxX += saved[0];
        workMinY += saved[1], workMaxY += saved[1];
        workMinZ += saved[2], workMaxZ += saved[2];
    } else {
        Translate(saved[0], saved[1], saved[2]);
    }
}

void cf_3DPointSeries::Setup(const cf_Kernel &kernel)
{
    templatePoint.Setup(kernel);
    prepared = 1;
}

void cf_3DPointSeries::WidenView(double x, double y, double z, bool first)
{
    cf_WidenRange(viewMinX, viewMaxX, x, first);
    cf_WidenRange(viewMinY, viewMaxY, y, first);
    cf_WidenRange(viewMinZ, viewMaxZ, z, first);
}

void cf_3DPointSeries::WidenDevice(const cf_2DPoint &d, bool first)
{
    cf_WidenRange(devMinX, devMaxX, d.x, first);
    cf_WidenRange(devMinY, devMaxY, d.y, first);
}

void cf_3DPointSeries::Transform(const cf_Kernel &kernel)
{
    if (count == 0)
        return; // nothing to map; the view box stays as it is
    if (bulk) {
        TransformBlock(kernel);
    } else {
        for (int n = 1; n <= count; ++n)
            PointAt(n)->Transform(kernel);
        for (int n = 1; n <= count; ++n) {
            const cf_3DPoint *p = PointAt(n);
            WidenView(p->ViewX(), p->ViewY(), p->ViewZ(), n == 1);
        }
    }
    viewCentreX = (viewMaxX - viewMinX) * 0.5 + viewMinX;
    viewCentreY = (viewMaxY - viewMinY) * 0.5 + viewMinY;
    viewCentreZ = (viewMaxZ - viewMinZ) * 0.5 + viewMinZ;
}

void cf_3DPointSeries::Project(const cf_Kernel &kernel)
{
    // The device box spans the points themselves (seeded from point 1).
    if (bulk) {
        ProjectBlock(kernel);
    } else {
        devMinX = devMaxX = devMinY = devMaxY = 0;
        for (int n = 1; n <= count; ++n)
            PointAt(n)->Project(kernel);
        for (int n = 1; n <= count; ++n)
            WidenDevice(PointAt(n)->DevicePoint(), n == 1);
    }
    prepared = 1;
}

const cf_2DPoint *cf_3DPointSeries::DevicePoints(std::vector<cf_2DPoint> &scratch) const
{
    if (bulk) {
        block.device.resize(std::size_t(count));
        return block.device.data();
    }
    scratch = DevicePoints();
    return scratch.data();
}

std::vector<cf_2DPoint> cf_3DPointSeries::DevicePoints() const
{
    if (bulk) {
        block.device.resize(std::size_t(count));
        return block.device;
    }
    std::vector<cf_2DPoint> device;
    device.reserve(std::size_t(count));
    for (int n = 1; n <= count; ++n)
        device.push_back(PointAt(n)->DevicePoint());
    return device;
}

void cf_3DPointSeries::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}

void cf_3DPointSeries::DrawFormB(bf_Display *display)
{
    SelectPen(display);
    SelectBrush(display);
    for (int n = 1; n <= count; ++n) {
        cf_3DPoint *point = PointAt(n);
        point->SetMarkerSize(templatePoint.MarkerSize());
        point->SetMarkerStyle(templatePoint.MarkerStyle());
        point->DrawFormC(display);
    }
    ReleaseBrush(display);
    ReleasePen(display);
}

void cf_3DPointSeries::Offset(double &x, double &y, double &z) const
{
    cf_ReadTriple(offset, x, y, z);
}

void cf_3DPointSeries::ScaleFactors(double &x, double &y, double &z) const
{
    cf_ReadTriple(scale, x, y, z);
}
