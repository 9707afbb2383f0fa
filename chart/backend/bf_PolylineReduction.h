#pragma once
// bf_PolylineReduction: the points of a poly-line that can change a pixel.
// Consecutive points in one pixel column draw only vertical lines there,
// which together cover the column between the run's lowest and highest
// point; the lines into and out of the column start and end at the run's
// first and last point. So of each such run the first, the lowest, the
// highest and the last point (in their order) draw the same pixels as the
// whole run. A dense trace of thousands of points in a few hundred columns
// keeps at most four points a column. Pure function of the points; the
// display decides for which pens and drawing modes the pixels stay the same.

#include "chart/values/cf_2DPoint.h"

#include <vector>

class bf_PolylineReduction {
public:
    // Fills out with the reduced run of points[0 .. count - 1] and answers
    // its length (0 for no points). Points repeated back to back are kept
    // once.
    static int Reduce(const cf_2DPoint *points, int count, std::vector<cf_2DPoint> &out);
};
