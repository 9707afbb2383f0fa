#include "chart/engine/cf_GroupLayout.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/solids/cf_3DPhedraSeries.h"

namespace cf_GroupLayout {

double ValueX(cf_DataGroup &group, int j, int mode)
{
    return mode == 3 ? group.Value(j)->X() : mode == 2 ? j - 1 : j;
}

double FirstX(const cf_DataGroup &group, int mode)
{
    return mode == 3 ? group.XMin() : mode == 2 ? 0 : 1;
}

double LastX(const cf_DataGroup &group, int mode)
{
    return mode == 3 ? group.XMax() : mode == 2 ? group.Count() - 1 : group.Count();
}

double PositionCentre(double ownX, int j, int mode)
{
    return mode == 3 ? ownX : mode == 2 ? j - 0.5 : j;
}

void StackSpan(double v, double &top, double &bottom, double &from, double &to)
{
    if (v >= 0) {
        from = top;
        to = top += v;
    } else {
        to = bottom;
        from = bottom += v;
    }
}

int LongestGroup(const cf_ChartModel &model, int &count)
{
    int longest = 0;
    count = 0;
    for (int g = model.FirstGroup(); g >= 1 && g <= model.LastGroup(); ++g) {
        const cf_DataGroup *group = model.Group(g);
        if (group && (longest == 0 || group->Count() > count)) {
            longest = g;
            count = group->Count();
        }
    }
    return longest;
}

double PlusOne(double value)
{
    return double(float(value) + 1.0f);
}

double MinusOne(double value)
{
    return double(float(value) - 1.0f);
}

void SurfaceRanges(const cf_ChartModel &model, double *r)
{
    int mode = model.ValueMode();
    r[0] = model.XMin();
    r[1] = model.XMax();
    if (mode == 1) {
        r[0] = MinusOne(r[0]);
        r[1] = PlusOne(r[1]);
    }
    r[2] = model.YMin();
    r[3] = model.YMax();
    if (mode == 1) {
        r[4] = 0;
        r[5] = 2 * model.ZMax();
    } else {
        RowRange(model, r[4], r[5]);
    }
}

namespace {

// In value mode 3, min..max widened by half an x step each way; otherwise
// 0..countHigh.
void SteppedRange(const cf_ChartModel &model, double min, double max, double countHigh, double &low,
                  double &high)
{
    const bool stepped = model.ValueMode() == 3;
    low = stepped ? min - model.XStep() / 2 : 0;
    high = stepped ? max + model.XStep() / 2 : countHigh;
}

} // namespace

void RowRange(const cf_ChartModel &model, double &low, double &high)
{
    SteppedRange(model, model.ZMin(), model.ZMax(), 2 * model.ZMax() - 1, low, high);
}

void PositionRange(const cf_ChartModel &model, double &low, double &high)
{
    SteppedRange(model, model.XMin(), model.XMax(), PlusOne(model.XMax()), low, high);
}

void ShowAxisFaces(cf_ChartEngine &engine, int bottomSource, int leftSource)
{
    cf_3DGridTickSeries *faces[2] = {engine.BottomFaceX(), engine.LeftFaceY()};
    const int sources[2] = {bottomSource, leftSource};
    for (int i = 0; i < 2; ++i) {
        faces[i]->Show();
        faces[i]->SetScaleSource(sources[i]);
        faces[i]->SetLabelStep(1);
        faces[i]->SetGridStep(1);
    }
}

cf_3DPhedraSeries *BoxSeries(cf_ChartModel &model, int g, double barWidth, bool columns)
{
    cf_DataGroup *group = model.Group(g);
    if (!group || !group->HasValues())
        return nullptr;
    int mode = model.ValueMode();
    double h = model.XStep() * 0.5 * barWidth;
    auto *series = new cf_3DPhedraSeries(&group->DispAttribs());
    series->SetSortByOverlap(1);
    series->SetSortByDepth(1);
    series->SetCullBackFaces(1);
    for (int j = 1; j <= group->Count(); ++j) {
        const cf_XYZ *value = group->Value(j);
        double v = value->Y();
        double lo = v < 0 ? v : 0, hi = v < 0 ? 0 : v;
        double c = PositionCentre(value->X(), j, mode);
        double zc = mode == 3 ? value->Z() : RowDepth(g);
        if (columns)
            series->AddColumn(c - h, c + h, lo, hi, zc - h, zc + h);
        else
            series->AddBar(lo, hi, c - h, c + h, zc - h, zc + h);
    }
    return series;
}

} // namespace cf_GroupLayout
