#pragma once
// cf_3DPolygon: a point series drawn as a filled polygon (walls, bars,
// areas, facets) or as its closed outline. Owned by its engine; GUI thread
// only.

#include "chart/scene/cf_3DPointSeries.h"

class cf_3DPolygon : public cf_3DPointSeries {
public:
    cf_3DPolygon() = default;
    explicit cf_3DPolygon(cf_DispAttribs *borrowed) : cf_3DPointSeries(borrowed) {}
    // The polygon through the points, filled with the brush.
    void DrawFormA(bf_Display *display) override;
    void DrawFormB(bf_Display *display) override;
    // The closed outline (point 1 repeated at the end), pen only.
    virtual void DrawOutline(bf_Display *display);
};
