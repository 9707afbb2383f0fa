#include "chart/attribs/cf_DispAttribs.h"

#include "chart/backend/bf_Display.h"

void cf_DispAttribs::SelectPen(bf_Display *display) const
{
    display->SelectPen(new bf_Pen(LineColor(), lineStyle, lineWidth));
}

void cf_DispAttribs::SelectBrush(bf_Display *display) const
{
    display->SelectBrush(new bf_Brush(FillColor()));
}

void cf_DispAttribs::ReleasePen(bf_Display *display) const
{
    delete display->PopPen();
}

void cf_DispAttribs::ReleaseBrush(bf_Display *display) const
{
    delete display->PopBrush();
}
