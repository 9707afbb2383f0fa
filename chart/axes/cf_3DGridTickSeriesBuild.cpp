// cf_3DGridTickSeries: rebuilding the ticks from the model.

#include "chart/axes/cf_3DGridTickSeries.h"

#include "chart/axes/cf_EngineFrame.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/values/cf_Constants.h"

#include <cmath>

namespace {

// The value as a double: x87 registers hold more precision, so that
// v + interval may differ from v there and yet be v once stored.
double Rounded(double value)
{
    volatile double stored = value;
    return stored;
}

} // namespace

cf_3DTextMarker *cf_3DGridTickSeries::CreateTick(double, int)
{
    return nullptr;
}

int cf_3DGridTickSeries::BuildPolar(cf_ChartModel *)
{
    return 0;
}

void cf_3DGridTickSeries::ClearTicks()
{
    cf_DeleteSlots<cf_3DTextMarker>(ticks, tickCount);
    tickCount = 0;
    endTickHighMarker = endTickLowMarker = nullptr;
}

cf_3DTextMarker *cf_3DGridTickSeries::AddTick(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3)
{
    auto *tick = new cf_3DTextMarker(p1, p2, p3);
    ticks.At(++tickCount) = tick;
    tick->SetDrawLine23(!ticksHidden);
    tick->SetDispAttribs(DispAttribs());
    tick->SetTextAttribs(TextAttribs());
    tick->SetTextFlag(1);
    tick->Scale(dScaleFacX, dScaleFacY, dScaleFacZ);
    tick->Translate(offset[0], offset[1], offset[2]);
    return tick;
}

cf_3DTextMarker *cf_3DGridTickSeries::MakeTick(double value, double labelValue, int half)
{
    cf_3DTextMarker *tick = CreateTick(value, half);
    if (tick) {
        cf_String format = TextAttribs()->Format();
        tick->SetNumberText(labelValue, format.Text());
    }
    return tick;
}

cf_3DTextMarker *cf_3DGridTickSeries::MakeTextTick(double value, const wchar_t *text, int half)
{
    cf_3DTextMarker *tick = CreateTick(value, half);
    if (tick && text)
        tick->SetText(text);
    return tick;
}

void cf_3DGridTickSeries::RefreshBounds()
{
    if (!engine)
        return;
    double *dataDims[3] = {&dEngDataXDim, &dEngDataYDim, &dEngDataZDim};
    double *sceneDims[3] = {&sceneXDim, &sceneYDim, &sceneZDim};
    for (int axis = 0; axis < 3; ++axis) {
        double *data = dataBoxV + 2 * axis;
        double *scene = sceneBox + 2 * axis;
        data[0] = engine->DataRangeMax(axis);
        data[1] = engine->DataRangeMin(axis);
        scene[0] = engine->DataBoxMax(axis);
        scene[1] = engine->DataBoxMin(axis);
        *dataDims[axis] = data[0] - data[1];
        *sceneDims[axis] = scene[0] - scene[1];
    }
}

int cf_3DGridTickSeries::Rebuild(cf_ChartModel *model)
{
    ClearTicks();
    if (!shown || !model)
        return 0;
    if (faceNumber >= 1 && faceNumber <= 7) {
        cf_DataGroup *item = model->TextItem(faceNumber);
        SetDispAttribs(&item->DispAttribs());
        SetTextAttribs(&item->TextAttribs());
    }
    RefreshBounds();
    switch (scaleSource) {
    case 1:
    case 2:
    case 3:
    case 4:
        return BuildFromLabels(model);
    case 5:
        return BuildFromXRange(model);
    case 6:
        return BuildFromYRange(model);
    case 7:
        return BuildFromStackedRange(model);
    case 9:
        return BuildPolar(model);
    default:
        return 0;
    }
}

double cf_3DGridTickSeries::LabelValue(cf_ChartModel *model, int item, double &runningSum) const
{
    switch (scaleSource) {
    case 1:
        return model->Domain()->Value(item)->X();
    case 2:
        return model->Range()->Value(item)->Y();
    case 3:
        runningSum += model->Range()->Value(item)->Y();
        return runningSum;
    default:
        return model->Groups()->Value(item)->Z();
    }
}

int cf_3DGridTickSeries::BuildFromLabels(cf_ChartModel *model)
{
    cf_DataGroup *group = scaleSource == 1 ? model->Domain()
                          : scaleSource == 2 || scaleSource == 3 ? model->Range()
                          : scaleSource == 4 ? model->Groups()
                                             : nullptr;
    if (!group)
        return 0;
    if (!(tickInterval >= 1.0))
        return 0;
    // Truncated, and bounded so that the item index cannot overflow.
    int step = tickInterval > 1e9 ? 1000000000 : int(tickInterval);
    Counters counters{gridStep, labelStep, majorStep};
    double runningSum = 0;
    for (int i = 1; i <= group->Count(); i += step) {
        double value = LabelValue(model, i, runningSum);
        halfTick = 1;
        if (majorStep > 0 && ++counters.major >= majorStep) {
            halfTick = 0;
            counters.major = 0;
        }
        cf_3DTextMarker *tick = CreateTick(value, halfTick);
        if (!tick)
            continue;
        cf_XYZ *item = group->Value(i);
        if (item->HasLabel() && item->Label())
            tick->SetText(item->Label()->Text());
        else
            tick->SetNumberText(value, L"%g");
        MarkNewTick(tick, counters);
        if (i > group->Count() - step)
            break;
    }
    return 1;
}

int cf_3DGridTickSeries::BuildFromXRange(cf_ChartModel *model)
{
    double maximum = model->XMax();
    double minimum = model->XMin();
    int kind = model->ValueMode();
    if (engine && engine->IsBarLike() && kind == 2)
        maximum += 1.0;
    if (autoInterval)
        ComputeInterval(model, tickCountWanted);
    return BuildLinear(kind, minimum, maximum);
}

int cf_3DGridTickSeries::BuildFromYRange(cf_ChartModel *model)
{
    if (autoInterval)
        ComputeInterval(model, tickCountWanted);
    return BuildLinear(model->ValueMode(), model->YMin(), model->YMax());
}

int cf_3DGridTickSeries::BuildFromStackedRange(cf_ChartModel *model)
{
    if (autoInterval)
        ComputeInterval(model, tickCountWanted);
    return BuildLinear(model->ValueMode(), model->StackedYMin(), model->StackedYMax());
}

void cf_3DGridTickSeries::ComputeInterval(cf_ChartModel *model, int count)
{
    autoInterval = 1;
    if (count <= 0) {
        // No intervals asked for: no regular ticks rather than a division by 0.
        tickCountWanted = 0;
        tickInterval = 0;
        return;
    }
    tickCountWanted = count;
    double span = 0;
    int kind = model->ValueMode();
    if (scaleSource == 5)
        span = model->XSpan() + (kind == 3 ? model->XStep() : 1.0);
    else if (scaleSource == 6)
        span = model->YSpan();
    else if (scaleSource == 7)
        span = model->StackedYSpan();
    tickInterval = span / count;
    if (scaleSource == 5 && (kind == 1 || kind == 2) && tickInterval < 1.0)
        tickInterval = 1.0;
}

void cf_3DGridTickSeries::Advance(int &counter, int step)
{
    if (++counter >= step)
        counter = 0;
}

void cf_3DGridTickSeries::MarkNewTick(cf_3DTextMarker *tick, Counters &counters)
{
    tick->SetDrawLine23(!ticksHidden);
    tick->SetDrawLine12(0);
    tick->SetLabelVisible(0);
    if (labelStep > 0 && ++counters.label >= labelStep) {
        tick->SetLabelVisible(1);
        counters.label = 0;
    }
    if (gridStep > 0 && ++counters.grid >= gridStep) {
        tick->SetDrawLine12(1);
        counters.grid = 0;
    }
}

void cf_3DGridTickSeries::MarkEndTick(cf_3DTextMarker *tick, const Counters &counters, unsigned char endLabel)
{
    tick->SetDrawLine23(!ticksHidden);
    tick->SetLabelVisible((labelStep > 0 && labelStep <= counters.label + 1) || endLabel);
    tick->SetDrawLine12(gridStep > 0 && gridStep <= counters.grid + 1);
}

cf_3DTextMarker *cf_3DGridTickSeries::MakeRunTick(double v, Counters &counters)
{
    halfTick = 1;
    if (majorStep > 0 && ++counters.major >= majorStep) {
        halfTick = 0;
        counters.major = 0;
    }
    cf_3DTextMarker *tick = MakeTick(v, v, halfTick);
    if (tick)
        MarkNewTick(tick, counters);
    return tick;
}

int cf_3DGridTickSeries::BuildLinear(int kind, double minimum, double maximum)
{
    if (!(maximum - minimum > 0) || !(tickInterval > 0))
        return 0;
    bool zeroMade = false;
    if (kind != 1 && minimum <= 0 && maximum >= 0) {
        if (cf_3DTextMarker *tick = MakeTick(0, 0, 0)) {
            tick->SetDrawLine23(!ticksHidden);
            tick->SetLabelVisible(labelStep > 0);
            tick->SetDrawLine12(gridStep > 0);
        }
        zeroMade = true;
    }
    if (maximum > 0)
        BuildRun(minimum >= 0 ? minimum : 0, maximum, zeroMade, true);
    if (minimum < 0)
        BuildRun(maximum <= 0 ? maximum : 0, minimum, zeroMade, false);
    return 1;
}

void cf_3DGridTickSeries::BuildRun(double from, double to, bool zeroMade, bool upward)
{
    const double step = upward ? tickInterval : -tickInterval;
    const auto beforeEnd = [&](double value) { return upward ? value < to : value > to; };
    Counters counters{gridStep, labelStep, majorStep};
    double v = 0;
    if (zeroMade) {
        Advance(counters.grid, gridStep);
        Advance(counters.label, labelStep);
        Advance(counters.major, majorStep);
    } else {
        v = (upward ? from > 0 : from < 0) ? from : 0;
        MakeRunTick(v, counters);
    }
    // Capped, and stopped when the interval no longer moves v.
    for (int made = 0; beforeEnd(v) && made < kMaxTicksPerRun; ++made) {
        double next = Rounded(v + step);
        if (next == v)
            break;
        v = next;
        if (beforeEnd(v))
            MakeRunTick(v, counters);
    }
    if (!(upward ? endTickHigh : endTickLow))
        return;
    int half = majorStep > 0 && majorStep <= counters.major + 1 ? 0 : 1;
    if (cf_3DTextMarker *tick = MakeTick(to, to, half)) {
        MarkEndTick(tick, counters, upward ? endLabelHigh : endLabelLow);
        (upward ? endTickHighMarker : endTickLowMarker) = tick;
    }
}

double cf_3DGridTickSeries::SceneCoordinate(double value, double dataDim, double sceneDim, double scaleFactor,
                                            double dataMin) const
{
    double k = 1;
    if (std::fabs(dataDim) > CF_NUM_ZERO_IF_LT)
        k = sceneDim / dataDim;
    if (std::fabs(scaleFactor) > CF_NUM_ZERO_IF_LT)
        k = k / scaleFactor;
    return value * k - dataMin * k;
}

double cf_3DGridTickSeries::MarkLength(double crossingSpan, int half) const
{
    double t = crossingSpan * tickLength;
    if (ticksInward)
        t = -t;
    if (half == 1)
        t *= 0.5;
    return t;
}
