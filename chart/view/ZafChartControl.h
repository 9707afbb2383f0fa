#pragma once
// ZafChartControl: the framework window object through which the program
// shows a chart. It owns one cf_ChartView (model and engine behind it),
// rebuilds and draws the whole scene on every redisplay through a bf_Display
// over the framework's shared display, and forwards the chart operations to
// the view. It holds no chart state of its own. A child of its window, which
// deletes it; GUI thread only.

#include "framework/controls/ZafChartStub.h"

class bf_Display;
class cf_ChartEngine;
class cf_ChartModel;
class cf_ChartView;
class cf_DispAttribs;
class cf_TextAttribs;
class cf_3DGridTickSeries;

class ZafChartControl : public ZafChartStub {
public:
    // chartType and dimension choose the engine (see cf_ChartView); flag
    // becomes the model's value mode.
    ZafChartControl(int left, int top, int width, int height, int chartType, int dimension, int flag);
    ~ZafChartControl() override;
    ZafChartControl(const ZafChartControl &) = delete;
    ZafChartControl &operator=(const ZafChartControl &) = delete;

    ZafClassID ClassID() const override { return classID; }
    ZafClassName ClassName() const override { return className; }
    // ZAF_EV_SIZED: the engine takes the new region and a redisplay
    // follows; answers ZAF_EV_SIZED. Everything else goes to the window object.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Rebuilds the scene from the model and draws it; answers code.
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override;
    // Stored charts are read back as chart stubs.
    ZafObjectConstructor NewFunction() const override { return &ZafChartStub::New; }
    // The stub's chart-type setter: no effect, answers 1 (the engine's type
    // is changed through SetChartEngineType).
    ZafInt32 SetChartType(ZafInt32 type) override;
    // Prepares the view for a heap display when it is not current.
    void PrepareIfStale();

    cf_ChartEngine *Engine() const;
    cf_ChartModel *Model() const;
    cf_ChartView *View() const { return view; }

    void AddGroupValue(int group, double y);
    void AddGroupValueXY(int group, double x, double y);
    void AddGroupValueXYZ(int group, double x, double y, double z);
    void AddLegendEntry(const wchar_t *text, double x, double y, double z);
    void AddAxisTitle(const wchar_t *text, int kind);
    void AddAxisTitleAt(const wchar_t *text, int kind, double x, double y, double z);
    void AddTitle(const wchar_t *text, int kind);
    void AddTitleAt(const wchar_t *text, int kind, double x, double y, double z);
    void AddAxisLabel(const wchar_t *label, int kind, double value);
    void AddAxisValue(double labelNumber, int kind, double value);

    // Replace the engine, then redisplay when updating automatically. (The
    // stub's SetChartType keeps its own meaning, so the type has this name.)
    bool SetChartEngineType(int type);
    bool SetDimension(int dimension);
    void SetValueMode(int mode);
    // The engine's chart type (not the stub's stored word).
    int ChartType() const;
    int Dimension() const;
    int ValueMode() const;

    cf_DispAttribs *TextDispAttribs(int n);
    cf_TextAttribs *TextAttribs(int n);
    cf_DispAttribs *AxisTitleDispAttribs(int n);
    cf_TextAttribs *AxisTitleTextAttribs(int n);
    cf_DispAttribs *EngineDispAttribs(int n);
    cf_DispAttribs *GroupDispAttribs(int n);
    cf_TextAttribs *DataGroupTextAttribs(int n);
    cf_DispAttribs *LegendDispAttribs(int n);
    cf_TextAttribs *LegendTextAttribs(int n);
    cf_DispAttribs *TitleDispAttribs(int n);
    cf_TextAttribs *TitleTextAttribs(int n);

    cf_3DGridTickSeries *GridTickSeries(int slot);
    void SetAxisGrid(int slot, int source, double interval, int labelStep, int gridStep, int majorStep,
                     double lengthPercent, int flags);
    void SetAxisScaleSource(int slot, int source);
    void SetAxisTicks(int slot, double interval, int majorStep, double lengthPercent, int flags);
    void SetAxisTickStep(int slot, int gridStep, int flags);
    void SetAxisLabelStep(int slot, int labelStep, int flags);
    void SetAxisTickMarks(int slot, int count, int majorStep, double lengthPercent, int flags);
    void ShowAxisTicks(int slot, bool show);

    double RangeMinimum() const;
    double RangeMaximum() const;
    bool SetRange(double minimum, double maximum);
    bool SetAutoZero(unsigned char flag);
    unsigned char AutoZero() const;
    double ZeroRatio() const;
    bool SetZeroRatio(double ratio);

    bool SetMargins(double top, double bottom, double left, double right);
    bool SetTopMargin(double percent);
    bool SetBottomMargin(double percent);
    bool SetLeftMargin(double percent);
    bool SetRightMargin(double percent);
    bool SetPlotSize(double widthPercent, double heightPercent);
    void SetBoxProportions(double yPercent, double zPercent);
    void SetKernelFlag(unsigned char flag);

    int ClearAll(int flag);
    int ClearGroups(int flag);
    int ClearTitles(int flag);
    int ClearLegend(int flag);
    int ClearAxisTitles(int flag);

    bool SetViewMode(int mode);
    bool SetRotation(double elevation, double rotation);

private:
    void RedisplayIfAutomatic();

    cf_ChartView *view;
};
