#pragma once
// The engine factory: makes the engine of a chart type (1 area, 2 bar, 3
// column, 4 line, 5 pie, 6 point series, 7 ribbon, 8 stacked, 9 exploded
// pie) and a dimension (1 flat, 2 three-dimensional) for a view. Any other
// pair gives the two-dimensional point-series engine.

class cf_ChartEngine;
class cf_ChartView;

// The class of the engine for (type, dimension) as the table names it;
// "cf_eng_PointSer2D" outside the table.
const char *cf_EngineClassName(int chartType, int dimension);

// A new engine for (type, dimension); the caller owns it.
cf_ChartEngine *cf_MakeEngine(int chartType, int dimension);

// Makes the engine and hands it to the view (the view's old engine is
// deleted first when replace is 1 and the view owns it). Always true.
bool cf_EngineFactory(cf_ChartView *view, int chartType, int dimension, int replace);
