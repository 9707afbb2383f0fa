#include "chart/scene/cf_3DPoint.h"

#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"

namespace {
constexpr int kDefaultMarkerSize = 5;
}

cf_3DPoint::cf_3DPoint() : cf_3DPoint(0, 0, 0) {}

cf_3DPoint::cf_3DPoint(double x, double y, double z)
    : dataX(x), dataY(y), dataZ(z), workX(x), workY(y), workZ(z), viewX(x), viewY(y), viewZ(z),
      preTransformed(0), markerStyle(2), markerSize(kDefaultMarkerSize), markerSizeFactor(5.0),
      autoSize(0)
{
}

void cf_3DPoint::SetPosition(double x, double y, double z)
{
    SetDataX(x);
    SetDataY(y);
    SetDataZ(z);
}

void cf_3DPoint::SetMarkerSizeFactor(double factor)
{
    markerSizeFactor = factor;
    autoSize = 1;
}

void cf_3DPoint::SetAutoSize(unsigned char flag)
{
    autoSize = flag;
    if (!flag)
        markerSize = kDefaultMarkerSize;
}

void cf_3DPoint::Setup(const cf_Kernel &kernel)
{
    if (autoSize) {
        const cf_2DRect &back = kernel.BackFaceRect();
        int smaller = back.Width() < back.Height() ? back.Width() : back.Height();
        markerSize = int(markerSizeFactor * smaller * 0.005);
    }
    prepared = 1;
}

void cf_3DPoint::Transform(const cf_Kernel &kernel)
{
    viewX = workX;
    viewY = workY;
    viewZ = workZ;
    if (preTransformed)
        return;
    (void)kernel.GeomMatrix(); // reports a stale geometry
    kernel.TransformPoints(&viewX, &viewY, &viewZ, 1);
}

void cf_3DPoint::Project(const cf_Kernel &kernel)
{
    (void)kernel.ProjMatrix(); // reports a stale projection
    kernel.ProjectPoints(&viewX, &viewY, &device, 1);
    prepared = 1;
}

void cf_3DPoint::Scale(double sx, double sy, double sz)
{
    workX *= sx;
    workY *= sy;
    workZ *= sz;
}

void cf_3DPoint::Translate(double dx, double dy, double dz)
{
    workX += dx;
    workY += dy;
    workZ += dz;
}

void cf_3DPoint::DrawFormA(bf_Display *display) { DrawMarker(display); }
void cf_3DPoint::DrawFormB(bf_Display *display) { DrawMarker(display); }
void cf_3DPoint::DrawFormC(bf_Display *display) { DrawMarker(display); }

void cf_3DPoint::DrawMarker(bf_Display *display)
{
    if (!Visible() || !display)
        return;
    bool withAttribs = HasDispAttribs();
    if (withAttribs) {
        SelectPen(display);
        SelectBrush(display);
    }
    display->Circle(device, markerSize);
    display->Pixel(device, withAttribs ? DispAttribs()->LineColor() : bf_Black);
    if (withAttribs) {
        ReleaseBrush(display);
        ReleasePen(display);
    }
}
