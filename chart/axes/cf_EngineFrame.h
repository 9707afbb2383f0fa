#pragma once
// cf_EngineFrame: the share of a chart engine that the scene managers it
// owns (text markers, grid and tick series, title markers) read through
// their plain pointer to it: the viewing kernel, the chart type, the origin
// and extents of the plot box, the axis colour, the data range taken from
// the model and the data box the data are scaled onto. It also places a
// point by percentages of the box. The engine (cf_ChartEngine) sets these
// values. GUI thread only.

#include "chart/backend/bf_Color.h"

class cf_3DPoint;
class cf_Kernel;

class cf_EngineFrame {
public:
    virtual ~cf_EngineFrame() = default;

    cf_Kernel *Kernel() const { return kernel; }
    int ChartType() const { return chartType; }
    bool IsPieLike() const { return chartType == 5 || chartType == 9; }
    bool IsCartesian() const { return chartType >= 1 && chartType <= 8 && chartType != 5; }
    bool IsBarLike() const { return chartType == 2 || chartType == 3 || chartType == 8; }

    // The data range: minimum and maximum of x, y and z from the model.
    double DataRangeXMin() const { return dataRange[0]; }
    double DataRangeXMax() const { return dataRange[1]; }
    double DataRangeYMin() const { return dataRange[2]; }
    double DataRangeYMax() const { return dataRange[3]; }
    double DataRangeZMin() const { return dataRange[4]; }
    double DataRangeZMax() const { return dataRange[5]; }
    // The data box: its minimum corner, then its maximum corner.
    double DataBoxXMin() const { return dataBox[0]; }
    double DataBoxYMin() const { return dataBox[1]; }
    double DataBoxZMin() const { return dataBox[2]; }
    double DataBoxXMax() const { return dataBox[3]; }
    double DataBoxYMax() const { return dataBox[4]; }
    double DataBoxZMax() const { return dataBox[5]; }
    // The same by axis number (0 x, 1 y, 2 z).
    double DataRangeMin(int axis) const { return dataRange[2 * axis]; }
    double DataRangeMax(int axis) const { return dataRange[2 * axis + 1]; }
    double DataBoxMin(int axis) const { return dataBox[axis]; }
    double DataBoxMax(int axis) const { return dataBox[3 + axis]; }

    const double *Origin() const { return origin; }
    const double *BoxExtent() const { return boxExtent; }
    bf_Color AxisColor() const { return axisColor; }
    // Whether the engine's drawing walks its grid and tick series; an axis
    // title whose series is shown is then drawn by that series alone.
    virtual bool DrawsGridSeries() const { return true; }

    // Puts the point at (x, y, z) percent of the kernel's maxima, less the
    // origin when relative is 1, and transforms it with the kernel. False
    // for a null point.
    bool PlaceObject(cf_3DPoint *point, double x, double y, double z, int relative) const;

protected:
    cf_Kernel *kernel = nullptr;
    int chartType = 0;
    double origin[3] = {0, 0, 0};
    double boxExtent[3] = {0, 0, 0};
    bf_Color axisColor;
    // x min, x max, y min, y max, z min, z max.
    double dataRange[6] = {0, 0, 0, 0, 0, 0};
    // minimum corner (x, y, z), then maximum corner.
    double dataBox[6] = {0, 0, 0, 0, 0, 0};
};
