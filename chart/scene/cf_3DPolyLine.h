#pragma once
// cf_3DPolyLine: a point series drawn as an open connected line, the curve of
// a line chart. The line is drawn in the fill colour of its attributes; with
// marking turned on every point's marker follows. Owned by its engine; GUI
// thread only.

#include "chart/scene/cf_3DPointSeries.h"

class cf_3DPolyLine : public cf_3DPointSeries {
public:
    cf_3DPolyLine() = default;
    explicit cf_3DPolyLine(cf_DispAttribs *borrowed) : cf_3DPointSeries(borrowed) {}
    // The open line through the points in the attributes' fill colour; with
    // markPointsA (markPointsB for form B) then every point's marker, drawn
    // with a pen of width 1 in the line colour and filled in the fill
    // colour. The attributes end as they were.
    void DrawFormA(bf_Display *display) override;
    void DrawFormB(bf_Display *display) override;

private:
    void DrawLine(bf_Display *display, bool formB);
};
