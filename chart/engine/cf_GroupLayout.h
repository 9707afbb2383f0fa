#pragma once
// Where the Cartesian engines put a group's values: the shared rules of
// their builds (x by value mode, row depth, bar slots, the longest group)
// and the axis faces they show. Value modes: 1 x = 1..n, 2 x = 0..n-1,
// 3 x (and z) from the values.

#include "chart/model/cf_ChartModel.h"

class cf_ChartEngine;
class cf_3DPhedraSeries;

namespace cf_GroupLayout {

// x of value j: its own x in mode 3, j - 1 in mode 2, j otherwise.
double ValueX(cf_DataGroup &group, int j, int mode);
// The x before the first value (the group's smallest x in mode 3, 0 in
// mode 2, 1 otherwise) and after the last one (largest x, n - 1, n).
double FirstX(const cf_DataGroup &group, int mode);
double LastX(const cf_DataGroup &group, int mode);
// The centre of value position j of a column or stack: the given x in
// mode 3, j - 0.5 in mode 2, j otherwise.
double PositionCentre(double ownX, int j, int mode);
// The depth of row g in the three-dimensional view: 2 g - 1.5.
inline double RowDepth(int g) { return 2.0 * g - 1.5; }
// The span from..to of value v on a stack whose positive part ends at top
// and whose negative part ends at bottom (both start at 0): a value of 0 or
// more goes on top, a negative one below; that part grows by v.
void StackSpan(double v, double &top, double &bottom, double &from, double &to);
// The largest value count of the groups and the first group that has it
// (0 when there is no group).
int LongestGroup(const cf_ChartModel &model, int &count);
// 1 added to a maximum as the chart library always did: in single precision.
double PlusOne(double value);
double MinusOne(double value);
// Data ranges (x min, x max, y min, y max, z min, z max) of the
// three-dimensional engines: the surfaces of area and ribbon charts (x
// widened by 1 each side in mode 1, z over the rows), and the z range of
// rows of solids (mode 3: half an x step beyond the model's z, else 0 to
// 2 x maximum - 1). PositionRange is the range of value positions: half
// an x step beyond the model's x in mode 3, else 0 to maximum + 1.
void SurfaceRanges(const cf_ChartModel &model, double *range);
void RowRange(const cf_ChartModel &model, double &low, double &high);
void PositionRange(const cf_ChartModel &model, double &low, double &high);
// Shows the bottom x face and the left y face with the given scale
// sources, each with label step 1 and grid step 1.
void ShowAxisFaces(cf_ChartEngine &engine, int bottomSource, int leftSource);

// The solids of group g of a three-dimensional bar (columns false) or
// column chart, on the group's attributes, ordered by depth and by overlap,
// back faces culled; null when the group has no values. Value j is a box
// from 0 to its y, centred on its position (PositionCentre) in the row's
// depth (its own z in mode 3), each side x step / 2 x barWidth from there;
// a bar lays the value along x, a column along y.
cf_3DPhedraSeries *BoxSeries(cf_ChartModel &model, int g, double barWidth, bool columns);

// The slots of a two-dimensional bar or column chart: for each value
// position j = 1..N (N the largest count) and, within it, each group g in
// order, place(group, v, centre, half) with v the y of the group's value j
// (a shorter group repeats its last value; an empty one answers 0). The
// groups share a position's width x step in slots: as many as groups in
// mode 2, one in mode 3, groups + 1 in mode 1.
template <class Place> void ForEachBarSlot(cf_ChartModel &model, double barWidth, Place place)
{
    int mode = model.ValueMode();
    int groups = model.LastGroup() - model.FirstGroup() + 1;
    int slots = mode == 2 ? groups : mode == 3 ? 1 : groups + 1;
    if (groups < 1 || slots < 1)
        return;
    double w = model.XStep() / slots;
    double half = w * 0.5 * barWidth;
    int longest = 0;
    LongestGroup(model, longest);
    for (int j = 1; j <= longest; ++j)
        for (int g = model.FirstGroup(); g <= model.LastGroup(); ++g) {
            cf_DataGroup *group = model.Group(g);
            if (!group)
                continue;
            const cf_XYZ *value = group->Value(j);
            double c = mode == 3   ? value->X()
                       : mode == 2 ? (j - 1) + (g - 1) * w + half
                                   : (j - 0.5) + g * w;
            place(*group, value->Y(), c, half);
        }
}

} // namespace cf_GroupLayout
