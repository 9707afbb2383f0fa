#pragma once
// cf_ChartView: the facade of the chart library. It owns one chart model and
// one chart engine, chosen by the engine factory from a chart type (1 area,
// 2 bar, 3 column, 4 line, 5 pie, 6 point series, 7 ribbon, 8 stacked, 9
// exploded pie) and a dimension (1 flat, 2 three-dimensional), and keeps a
// `current` flag: whether the engine has been prepared for the model since
// the last change made through the view. ZafChartControl forwards to it.
// GUI thread only.

#include "chart/backend/bf_Color.h"
#include "chart/backend/bf_TextExtents.h"

class bf_Display;
class cf_ChartEngine;
class cf_ChartModel;
class cf_DataGroup;
class cf_DispAttribs;
class cf_TextAttribs;
class cf_3DGridTickSeries;

class cf_ChartView {
public:
    cf_ChartView(int chartType, int dimension, int valueMode);
    virtual ~cf_ChartView();
    cf_ChartView(const cf_ChartView &) = delete;
    cf_ChartView &operator=(const cf_ChartView &) = delete;

    cf_ChartModel *Model() const { return model; }
    cf_ChartEngine *Engine() const { return engine; }
    // Replaces the engine (the old one deleted when asked and owned) and
    // builds it from the model; false for null.
    bool SetEngine(cf_ChartEngine *newEngine, bool deleteOld);
    // The factory's hand-over of a new engine (no build).
    void AdoptEngine(cf_ChartEngine *newEngine);
    bool ReplaceEngine() const { return ownsEngine != 0; }

    // Drawing: Prepare rebuilds the scene from the model for the display
    // and marks the view current; Draw draws it (rebuilding first only
    // when the model changed since).
    void PrepareEngine(bf_Display *display);
    void Prepare(bf_Display *display);
    bool Draw(bf_Display *display);
    bool IsCurrent() const { return current != 0; }
    void MarkStale() { current = 0; }
    // The sizes of the texts measured on the screen, kept between redraws
    // until the display's size changes.
    bf_TextExtents &TextExtents() { return textExtents; }

    bool SetChartType(int type);
    bool SetDimension(int dimension);
    int ChartType() const;
    int Dimension() const;
    void SetValueMode(int mode);
    int ValueMode() const;

    // Data.
    void AddGroupValue(int group, double y);
    void AddGroupValueXY(int group, double x, double y);
    void AddGroupValueXYZ(int group, double x, double y, double z, const wchar_t *labelX = nullptr,
                          const wchar_t *labelY = nullptr);
    void AddLegendEntry(const wchar_t *text, double x, double y, double z);

    // Titles (kind as in the model; preset positions in engine space).
    void AddAxisTitleAt(const wchar_t *text, int kind, double x, double y, double z);
    void AddAxisTitle(const wchar_t *text, int kind);
    void AddTitleAt(const wchar_t *text, int kind, double x, double y, double z);
    void AddTitle(const wchar_t *text, int kind);
    // Axis entries: kinds 1 and 5 "Domain" (x), 2 and 6 "Range" (y), 4 and
    // 8 "Groups" (z); other kinds add nothing.
    void AddAxisLabel(const wchar_t *label, int kind, double value);
    void AddAxisValue(double labelNumber, int kind, double value);

    // Attributes, owned by the model or engine, made on first use.
    cf_DispAttribs *TextDispAttribs(int n);
    cf_TextAttribs *TextAttribs(int n);
    cf_DispAttribs *AxisTitleDispAttribs(int n);
    cf_TextAttribs *AxisTitleTextAttribs(int n);
    cf_DispAttribs *GroupDispAttribs(int n);
    cf_TextAttribs *DataGroupTextAttribs(int n);
    cf_DispAttribs *LegendDispAttribs(int n);
    cf_TextAttribs *LegendTextAttribs(int n);
    cf_DispAttribs *TitleDispAttribs(int n);
    cf_TextAttribs *TitleTextAttribs(int n);
    cf_DispAttribs *EngineDispAttribs(int n);

    // Grid and tick series of an axis slot (face number 1..7, else 2);
    // every setter shows the series first.
    cf_3DGridTickSeries *GridTickSeries(int slot) const;
    void SetAxisScaleSource(int slot, int source);
    void SetAxisTicks(int slot, double interval, int majorStep, double lengthPercent, int flags);
    void SetAxisTickMarks(int slot, int count, int majorStep, double lengthPercent, int flags);
    void SetAxisTickStep(int slot, int gridStep, int flags);
    void SetAxisLabelStep(int slot, int labelStep, int flags);
    void SetAxisGrid(int slot, int source, double interval, int labelStep, int gridStep, int majorStep,
                     double lengthPercent, int flags);
    void ShowAxisTicks(int slot, bool show);

    // Ranges.
    double XMinimum() const;
    double XMaximum() const;
    bool SetXRange(double minimum, double maximum);
    double RangeMinimum() const;
    double RangeMaximum() const;
    // Zero ratio 0 first, then the fixed y range.
    bool SetRange(double minimum, double maximum);
    bool SetZeroRatio(double ratio);
    bool SetAutoZero(unsigned char flag);
    unsigned char AutoZero() const;
    double ZeroRatio() const;

    // Kernel and engine view.
    bool SetMargins(double top, double bottom, double left, double right);
    bool SetTopMargin(double percent);
    bool SetBottomMargin(double percent);
    bool SetLeftMargin(double percent);
    bool SetRightMargin(double percent);
    double TopMargin() const;
    double BottomMargin() const;
    double LeftMargin() const;
    double RightMargin() const;
    bool SetPlotSize(double widthPercent, double heightPercent);
    void SetKernelFlag(unsigned char flag);
    unsigned char KernelFlag() const;
    void SetBoxProportions(double yPercent, double zPercent, bool keepCurrent = false);
    double BoxProportionY() const;
    double BoxProportionZ() const;
    void SetPerspective(double value);
    void SetPerspectiveFull();
    void SetPerspectiveHalf();
    void SetPerspectiveNone();
    double Elevation() const;
    double Rotation() const;
    void SetFramePlot(unsigned char flag);
    unsigned char FramePlot() const;
    bool SetBarWidth(double percent);
    double BarWidth() const;
    bool SetRotation(double elevation, double rotation);
    bool SetViewMode(int mode);
    void SetWallBitmapShown(unsigned char flag);
    unsigned char WallBitmapShown() const;
    void SetAxisColor(bf_Color color);

    // Clearing; with flag 1 the engine is then rebuilt when the model
    // changed. Each answers flag - 1, or 0 for flag 1.
    int ClearAll(int flag);
    int ClearGroups(int flag);
    int ClearTitles(int flag);
    int ClearLegend(int flag);
    int ClearAxisTitles(int flag);

private:
    int Cleared(int flag);
    // Whether the y range before a change lay on one side of 0.
    bool OneSided() const;

    cf_ChartModel *model = nullptr;
    unsigned char ownsModel = 0;
    cf_ChartEngine *engine = nullptr;
    unsigned char ownsEngine = 0;
    unsigned char current = 0;
    bf_TextExtents textExtents;
};

#include "chart/view/cf_EngineFactory.h"
