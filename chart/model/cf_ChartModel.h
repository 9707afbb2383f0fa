#pragma once
// cf_ChartModel: everything a chart shows, independent of how it is drawn:
// the numbered data groups (one series each, from 1), the axis text groups
// "Groups", "Domain" and "Range" that carry axis labels, axis title, title
// and text items, legend entries, the default colour sequence for series,
// and the rules that give each axis its value range. Items are made on
// first use and owned by the model. Owned by the chart view; GUI thread only.
//
// Value modes: 1 appended values get x = 1..n, 2 x = 0..n-1, 3 explicit x.

#include "chart/backend/bf_Color.h"
#include "chart/model/cf_DataGroup.h"
#include "chart/values/cf_DyArr.h"

#include <memory>
#include <vector>

class cf_ChartView;
class cf_EngineLink;

class cf_ChartModel {
public:
    static constexpr int kColourCount = 16;
    static constexpr int kStyleCount = 3;
    static constexpr int kItemKinds = 7;

    cf_ChartModel(cf_ChartView *view, int valueMode);
    ~cf_ChartModel();
    cf_ChartModel(const cf_ChartModel &) = delete;
    cf_ChartModel &operator=(const cf_ChartModel &) = delete;

    // Data groups. SelectGroup creates groups up to n (n below 1 counts as
    // 1), makes n current and gives it its colours on its first selection.
    cf_DataGroup *SelectGroup(int n);
    cf_DataGroup *CurrentGroup() const;
    int CurrentGroupNumber() const { return currentGroup; }
    int GroupCount() const { return groupCount; }
    int FirstGroup() const { return firstGroup; }
    int LastGroup() const { return lastGroup; }
    // Group n for reading, or null outside 1..GroupCount.
    cf_DataGroup *Group(int n) const;

    // Appends y to the current group at the next implicit x; the "Domain"
    // group gets the x (labelled by labelX or "%g"), "Range" the labelled y.
    void AddValue(double y, const wchar_t *labelX = nullptr, const wchar_t *labelY = nullptr);
    void AddValueXY(double x, double y, const wchar_t *labelX = nullptr, const wchar_t *labelY = nullptr);
    // Switches to value mode 3 and appends (x, y, z) to the current group.
    void AddValueXYZ(double x, double y, double z, const wchar_t *labelX = nullptr,
                     const wchar_t *labelY = nullptr);
    int ValueMode() const { return valueMode; }
    // Whether AddValue gives a value past the "Domain" group's entries a
    // numbered entry of its own (on at first). A chart that lays out its
    // domain labels itself once its values are in turns it off.
    void SetNumberNewValues(bool on) { numberNewValues = on; }
    // Stores the mode and rebuilds the "Domain" labels from the data; with
    // notify and an engine the engine rebuilds and redraws.
    void SetValueMode(int mode, bool notify);

    // Axis text groups and their labels.
    cf_DataGroup *Groups() { return &groupsGroup; }
    cf_DataGroup *Domain() { return &domainGroup; }
    cf_DataGroup *Range() { return &rangeGroup; }
    void AddDomainLabel(double value, const wchar_t *label);
    void AddDomainLabel(double value, double labelNumber);
    void AddRangeLabel(double value, const wchar_t *label);
    void AddRangeLabel(double value, double labelNumber);
    void AddGroupsLabel(double value, const wchar_t *label);
    void AddGroupsLabel(double value, double labelNumber);

    // Titles and texts, made on first use (a kind outside 1..7 is kind 2).
    cf_DataGroup *AxisTitleItem(int kind);
    cf_DataGroup *TextItem(int kind);
    cf_DataGroup *TitleItem(int kind); // 2, or anything else for 1
    void SetAxisTitle(const wchar_t *text, int kind, double x, double y, double z);
    void SetTitle(const wchar_t *text, int kind, double x, double y, double z);
    bool HasAxisTitleItem(int kind) const;
    bool HasTitleItem(int kind) const;

    // Legend entries, numbered from 1.
    cf_DataGroup *LegendEntry(int n);
    cf_DataGroup *AddLegendEntry(const wchar_t *text, double x, double y, double z);
    int LegendCount() const { return legendCount; }

    // Colours and line styles.
    bf_Color ColourFor(int n) const;
    void SetColour(int n, bf_Color colour);
    void SetColourSequence(const bf_Color (&colours)[kColourCount]);
    int StyleA(int n) const;
    void SetStyleA(int n, int style);
    void SetStyleSequenceA(int a, int b, int c);
    int StyleB(int n) const;
    void SetStyleB(int n, int style);
    void SetStyleSequenceB(int a, int b, int c);
    unsigned char MarkFlagFor(int k) const;
    void SetMarkFlags(unsigned char a, unsigned char b, bool apply);
    int LegendLineWidth() const { return legendLineWidth; }
    void SetLegendLineWidth(int width) { legendLineWidth = width; }

    // Clearing.
    void Reset();
    void ClearTitles();
    void ClearLegend();
    void ClearAxisTitles();

    // Range settings. Setting a fixed value also marks it set.
    double XFixedMax() const { return xFixedMax; }
    void SetXFixedMax(double v) { xFixedMax = v; xFixedMaxSet = 1; }
    unsigned char XFixedMaxSet() const { return xFixedMaxSet; }
    void SetXFixedMaxSet(unsigned char f) { xFixedMaxSet = f; }
    double XFixedMin() const { return xFixedMin; }
    void SetXFixedMin(double v) { xFixedMin = v; xFixedMinSet = 1; }
    unsigned char XFixedMinSet() const { return xFixedMinSet; }
    void SetXFixedMinSet(unsigned char f) { xFixedMinSet = f; }
    double YFixedMax() const { return yFixedMax; }
    void SetYFixedMax(double v) { yFixedMax = v; yFixedMaxSet = 1; }
    unsigned char YFixedMaxSet() const { return yFixedMaxSet; }
    void SetYFixedMaxSet(unsigned char f) { yFixedMaxSet = f; }
    double YFixedMin() const { return yFixedMin; }
    void SetYFixedMin(double v) { yFixedMin = v; yFixedMinSet = 1; }
    unsigned char YFixedMinSet() const { return yFixedMinSet; }
    void SetYFixedMinSet(unsigned char f) { yFixedMinSet = f; }
    unsigned char ZeroBase() const { return zeroBase; }
    void SetZeroBase(unsigned char f) { zeroBase = f; }
    double ZeroRatio() const { return zeroRatio; }
    void SetZeroRatio(double r) { zeroRatio = r; }
    double YPadBelow() const { return yPadBelow; }
    void SetYPadBelow(double v) { yPadBelow = v; }
    double YPadAbove() const { return yPadAbove; }
    void SetYPadAbove(double v) { yPadAbove = v; }
    unsigned char YFloor() const { return yFloor; }
    void SetYFloor(unsigned char f) { yFloor = f; }
    unsigned char YCeil() const { return yCeil; }
    void SetYCeil(unsigned char f) { yCeil = f; }

    // Value ranges over the groups FirstGroup..LastGroup that hold values.
    double XMin() const;
    double XMax() const;
    double YMin() const;
    double YMax() const;
    double StackedYMin() const;
    double StackedYMax() const;
    double ZMin() const;
    double ZMax() const;
    double XStep() const;
    double XSpan() const { return XMax() - XMin(); }
    double YSpan() const { return YMax() - YMin(); }
    double StackedYSpan() const { return StackedYMax() - StackedYMin(); }
    double ZSpan() const { return ZMax() - ZMin(); }

    // Engine link (not owned).
    cf_EngineLink *Engine() const { return engine; }
    bool SetEngine(cf_EngineLink *link);
    cf_ChartView *View() const { return view; }

    bool Changed() const { return changed != 0; }
    // Drives the engine: nothing without one. A change or a rebuild request
    // rebuilds from the model, then relayout, geometry, projection and
    // refresh as asked (all of them after a rebuild).
    void Notify(bool rebuild, bool relayout, bool geometry, bool projection, bool refresh);

private:
    void InitialiseGroup(int n, cf_DataGroup *group);
    void AddAxisEntry(cf_DataGroup &axis, double x, double y, double z, const wchar_t *label);
    void RebuildDomain();
    void DeleteGroups();
    void DeleteItems(cf_DataGroup **items, int count);
    double SmallestGroupYMin(bool &found) const;
    double LargestGroupYMax(bool &found) const;
    int LargestCount() const;
    // The stacked extreme over all positions: sign +1 sums the positive
    // values of each position and answers the largest sum, -1 the negative
    // ones and the smallest.
    double StackedExtreme(int sign, bool &found) const;
    double FinishYMin(double value) const;
    double FinishYMax(double value) const;

    cf_ChartView *view;
    cf_EngineLink *engine;
    int valueMode;
    bf_Color colourSequence[kColourCount];
    int styleSequenceA[kStyleCount];
    int styleSequenceB[kStyleCount];
    int legendLineWidth;
    unsigned char groupMarkFlag;
    unsigned char groupMarkFlagB;
    double xFixedMax;
    unsigned char xFixedMaxSet;
    double xFixedMin;
    unsigned char xFixedMinSet;
    unsigned char zeroBase;
    double zeroRatio;
    double yPadBelow;
    unsigned char yFloor;
    double yPadAbove;
    unsigned char yCeil;
    double yFixedMax;
    unsigned char yFixedMaxSet;
    double yFixedMin;
    unsigned char yFixedMinSet;
    int groupCount;
    int lastGroup;
    int firstGroup;
    int currentGroup;
    unsigned char changed;
    bool numberNewValues = true;
    cf_DyArr groups;
    // Groups of a reset, kept with their room for the groups that follow.
    std::vector<std::unique_ptr<cf_DataGroup>> spareGroups;
    std::vector<bool> groupReady; // by group number: colours given
    cf_DataGroup groupsGroup;
    cf_DataGroup domainGroup;
    cf_DataGroup rangeGroup;
    cf_DataGroup *titleItems[2];
    cf_DataGroup *axisTitleItems[kItemKinds];
    cf_DataGroup *textItems[kItemKinds];
    cf_DyArr legend;
    int legendCount;
    std::vector<bool> legendReady; // by entry number: colours given
};
