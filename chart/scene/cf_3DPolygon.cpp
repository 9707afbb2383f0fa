#include "chart/scene/cf_3DPolygon.h"

#include "chart/backend/bf_Display.h"

void cf_3DPolygon::DrawFormA(bf_Display *display)
{
    DrawFormB(display);
}

void cf_3DPolygon::DrawFormB(bf_Display *display)
{
    if (!display || Count() == 0)
        return;
    std::vector<cf_2DPoint> device = DevicePoints();
    SelectPen(display);
    SelectBrush(display);
    display->Polygon(device.data(), int(device.size()));
    ReleaseBrush(display);
    ReleasePen(display);
}

void cf_3DPolygon::DrawOutline(bf_Display *display)
{
    if (!display || Count() == 0)
        return;
    std::vector<cf_2DPoint> device = DevicePoints();
    device.push_back(device.front());
    SelectPen(display);
    display->Polyline(device.data(), int(device.size()));
    ReleasePen(display);
}
