#include "chart/scene/cf_3DPolyLine.h"

#include "chart/backend/bf_Display.h"

void cf_3DPolyLine::DrawFormA(bf_Display *display)
{
    DrawLine(display, false);
}

void cf_3DPolyLine::DrawFormB(bf_Display *display)
{
    DrawLine(display, true);
}

void cf_3DPolyLine::DrawLine(bf_Display *display, bool formB)
{
    if (!display || Count() == 0)
        return;
    std::vector<cf_2DPoint> scratch;
    const cf_2DPoint *device = DevicePoints(scratch);
    cf_DispAttribs *attribs = HasDispAttribs() ? DispAttribs() : nullptr;

    // The line itself is drawn in the fill colour.
    bf_Color lineColor = attribs ? attribs->LineColor() : bf_Black;
    if (attribs)
        attribs->SetLineColor(attribs->FillColor());
    SelectPen(display);
    display->Polyline(device, Count());
    ReleasePen(display);
    if (attribs)
        attribs->SetLineColor(lineColor);

    if (!attribs || !(formB ? attribs->MarkPointsB() : attribs->MarkPointsA()))
        return;
    int width = attribs->LineWidth();
    attribs->SetLineWidth(1);
    SelectBrush(display);
    SelectPen(display);
    for (int n = 1; n <= Count(); ++n) {
        if (formB)
            PointAt(n)->DrawFormB(display);
        else
            PointAt(n)->DrawFormA(display);
    }
    ReleasePen(display);
    ReleaseBrush(display);
    attribs->SetLineWidth(width);
}
