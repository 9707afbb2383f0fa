#pragma once
// cf_3DGridTickSeries: one axis of a chart on one face of the chart's box: a
// run of ticks (text markers: grid line from point 1 to 2, tick mark from 2
// to 3, value label) and an axis title marker. The face classes
// (cf_3DGTS_AutoMark*) decide where a value's tick goes; this class decides
// which values get ticks and which ticks show their grid line, mark and
// label. The engine owns one series per face and rebuilds every shown one
// from the model before drawing. GUI thread only.
//
// Scale sources: 0 none, 1 "Domain" items (x), 2 "Range" items (y), 3
// "Range" items (running sum of y), 4 "Groups" items (z), 5 multiples of the
// interval over the x range, 6 over the y range, 7 over the stacked y range,
// 8 none, 9 polar (none in this library).

#include "chart/axes/cf_3DTextMarker.h"
#include "chart/values/cf_DyArr.h"

#include <vector>

class cf_ChartModel;
class cf_EngineFrame;

class cf_3DGridTickSeries : public cf_Virt3DObj {
public:
    static constexpr const char *kModule = "CO1_GTS";
    // At most this many ticks are made in each direction from zero.
    static constexpr int kMaxTicksPerRun = 1000;

    explicit cf_3DGridTickSeries(cf_EngineFrame *engine);
    cf_3DGridTickSeries(const cf_3DGridTickSeries &) = delete;
    cf_3DGridTickSeries &operator=(const cf_3DGridTickSeries &) = delete;
    ~cf_3DGridTickSeries() override;

    // The tick for a value: made and added by the face classes; the plain
    // series makes none (null). half is 1 for a half-length mark.
    virtual cf_3DTextMarker *CreateTick(double value, int half);
    virtual int BuildPolar(cf_ChartModel *model);
    virtual int BuildFromLabels(cf_ChartModel *model);
    virtual int BuildFromXRange(cf_ChartModel *model);
    virtual int BuildFromYRange(cf_ChartModel *model);
    virtual int BuildFromStackedRange(cf_ChartModel *model);

    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    void DrawFormA(bf_Display *display) override { DrawFormB(display); }
    // The ticks, then the title, moved on past the labels when its place
    // would put it on them.
    void DrawFormB(bf_Display *display) override;

    // What the series' texts cover on the display as it would draw them:
    // the labels' box and the title's (moved clear of the labels). Nothing
    // for a hidden series.
    struct TextLayout {
        bool hasLabels = false;
        cf_2DRect labels;
        bool hasTitle = false;
        cf_2DRect title;
    };
    TextLayout LayOutTexts(bf_Display *display);

    void Show() { shown = 1; }
    void Hide() { shown = 0; }
    bool IsShown() const { return shown != 0; }
    unsigned char SetShown(unsigned char flag) { return shown = flag; }
    int FaceNumber() const { return faceNumber; }
    int SetScaleSource(int source);
    int ScaleSource() const { return scaleSource; }

    // Setters of counts and lengths store a negative value as 0 and answer
    // whether it was not negative.
    bool SetTickInterval(double interval); // fixed interval
    double TickInterval() const { return tickInterval; }
    bool SetTickCount(int count);          // automatic interval
    int TickCount() const { return tickCountWanted; }
    bool IsAutoInterval() const { return autoInterval != 0; }
    bool SetTickLength(double percent);
    double TickLength() const { return tickLength; }
    // Re-mark the existing ticks at once: ticks 1, 1 + n, 1 + 2n ...
    bool SetGridStep(int n);
    int GridStep() const { return gridStep; }
    bool SetLabelStep(int n);              // 0 also hides the end labels
    int LabelStep() const { return labelStep; }
    bool SetMajorTickStep(int n);
    int MajorTickStep() const { return majorStep; }
    void SetTicksHidden(unsigned char flag); // shows or hides every tick mark at once
    unsigned char TicksHidden() const { return ticksHidden; }
    void SetTicksInward(unsigned char flag) { ticksInward = flag; }
    unsigned char TicksInward() const { return ticksInward; }
    void SetEndTickHigh(unsigned char f) { endTickHigh = f; }
    unsigned char EndTickHigh() const { return endTickHigh; }
    void SetEndLabelHigh(unsigned char f) { endLabelHigh = f; }
    unsigned char EndLabelHigh() const { return endLabelHigh; }
    void SetEndTickLow(unsigned char f) { endTickLow = f; }
    unsigned char EndTickLow() const { return endTickLow; }
    void SetEndLabelLow(unsigned char f) { endLabelLow = f; }
    unsigned char EndLabelLow() const { return endLabelLow; }
    int TickMarkerCount() const { return tickCount; }
    cf_3DTextMarker *Tick(int n) const;
    void SetAxisColor(bf_Color color);

    cf_3DTextMarker *TitleMarker() const { return titleMarker; }
    const wchar_t *TitleText() const { return titleMarker->Text(); }
    void SetTitleText(const wchar_t *text) { titleMarker->SetText(text); }
    void AdoptTitleText(cf_String *text) { titleMarker->AdoptText(text); }
    void SetTitleNumber(double value) { titleMarker->SetNumberText(value, L"%g"); }
    // Place a point of the title marker at a percent position of the box.
    bool ProjectTitlePoint1(double x, double y, double z);
    bool ProjectTitlePoint2(double x, double y, double z);
    bool ProjectTitlePoint3(double x, double y, double z);

    // Rebuilds the ticks from the model; answers the builder's result.
    int Rebuild(cf_ChartModel *model);
    void ClearTicks();
    cf_3DTextMarker *AddTick(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3);
    cf_3DTextMarker *MakeTick(double value, double labelValue, int half);
    cf_3DTextMarker *MakeTextTick(double value, const wchar_t *text, int half);
    void ComputeInterval(cf_ChartModel *model, int count);
    int BuildLinear(int kind, double minimum, double maximum);
    // The ticks from `from` (zero at most on its side) up (or down) to `to`,
    // then the end tick of that side.
    void BuildRun(double from, double to, bool zeroMade, bool upward);
    void RefreshBounds();

protected:
    void ApplyTickLook(cf_3DTextMarker *tick, int &alternation, cf_TextAttribs &above, cf_TextAttribs &below);
    cf_2DPoint TitleShift(const std::vector<cf_2DRect> &boxes, const cf_2DRect &labels, const cf_2DRect &title) const;
    TextLayout WalkTexts(bf_Display *display, bool draw);

    // Converts a value of an axis to its scene distance from the axis's
    // data minimum (with the data and scene spans and the scale factor).
    double SceneCoordinate(double value, double dataDim, double sceneDim, double scaleFactor,
                           double dataMin) const;
    // The tick-mark length for the crossing span, after the inward and half rules.
    double MarkLength(double crossingSpan, int half) const;

    cf_EngineFrame *engine;
    int faceNumber = 0;
    int scaleSource = 0;
    // x max, x min, y max, y min, z max, z min.
    double dataBoxV[6] = {0, 0, 0, 0, 0, 0};
    double sceneBox[6] = {0, 0, 0, 0, 0, 0};
    double dEngDataXDim = 0, dEngDataYDim = 0, dEngDataZDim = 0;
    double sceneXDim = 0, sceneYDim = 0, sceneZDim = 0;
    double dScaleFacX = 1, dScaleFacY = 1, dScaleFacZ = 1;
    double offset[3] = {0, 0, 0};
    unsigned char ticksInward = 0;
    double tickLength = 0.03;

private:
    struct Counters {
        int grid;
        int label;
        int major;
    };
    cf_3DTextMarker *MakeRunTick(double v, Counters &counters);
    void MarkNewTick(cf_3DTextMarker *tick, Counters &counters);
    void MarkEndTick(cf_3DTextMarker *tick, const Counters &counters, unsigned char endLabel);
    static void Advance(int &counter, int step);
    double LabelValue(cf_ChartModel *model, int item, double &runningSum) const;

    cf_DyArr ticks;
    int tickCount = 0;
    cf_3DTextMarker *titleMarker;
    unsigned char shown = 1;
    double bounds[6] = {0, 0, 0, 0, 0, 0};
    unsigned char autoInterval = 1;
    int tickCountWanted = 10;
    double tickInterval = 1.0;
    int gridStep = 0;
    int labelStep = 1;
    int majorStep = 1;
    int halfTick = 0;
    unsigned char endTickHigh = 1;
    unsigned char endLabelHigh = 1;
    unsigned char endTickLow = 1;
    unsigned char endLabelLow = 1;
    unsigned char ticksHidden = 0;
    cf_3DTextMarker *endTickHighMarker = nullptr;
    cf_3DTextMarker *endTickLowMarker = nullptr;
};
