#include "chart/model/cf_ChartModel.h"

#include "chart/values/cf_Constants.h"

#include <cmath>

// Value ranges of the chart model. Only groups that hold values take part,
// so a group selected but not yet filled does not pull a range to 0.

namespace {

// The smallest (with largest: the largest) of a group's extent (part) over
// the model's groups that hold values; found says whether there was one,
// else the answer is 0.
double GroupExtreme(const cf_ChartModel &model, double (cf_DataGroup::*part)() const, bool largest, bool &found)
{
    double extreme = 0;
    found = false;
    for (int n = model.FirstGroup(); n >= 1 && n <= model.LastGroup(); ++n) {
        const cf_DataGroup *g = model.Group(n);
        if (!g || !g->HasValues())
            continue;
        const double value = (g->*part)();
        if (!found || (largest ? value > extreme : value < extreme))
            extreme = value;
        found = true;
    }
    return extreme;
}

} // namespace

double cf_ChartModel::SmallestGroupYMin(bool &found) const
{
    return GroupExtreme(*this, &cf_DataGroup::YMin, false, found);
}

double cf_ChartModel::LargestGroupYMax(bool &found) const
{
    return GroupExtreme(*this, &cf_DataGroup::YMax, true, found);
}

int cf_ChartModel::LargestCount() const
{
    int largest = 0;
    for (int n = firstGroup; n >= 1 && n <= lastGroup; ++n) {
        const cf_DataGroup *g = Group(n);
        if (g && g->Count() > largest)
            largest = g->Count();
    }
    return largest;
}

double cf_ChartModel::XMin() const
{
    double value = valueMode == 2 ? 0.0 : 1.0;
    if (valueMode == 3) {
        bool found = false;
        value = GroupExtreme(*this, &cf_DataGroup::XMin, false, found);
    }
    if (xFixedMinSet && xFixedMin < value)
        value = xFixedMin;
    return value;
}

double cf_ChartModel::XMax() const
{
    double value = 0;
    if (valueMode == 3) {
        bool found = false;
        value = GroupExtreme(*this, &cf_DataGroup::XMax, true, found);
    } else if (valueMode == 2) {
        // Positions run 0..n-1: the range ends at the last value's x.
        int largest = LargestCount();
        value = largest > 0 ? largest - 1 : 0;
    } else {
        value = LargestCount();
    }
    if (xFixedMaxSet && xFixedMax > value)
        value = xFixedMax;
    return value;
}

double cf_ChartModel::FinishYMin(double value) const
{
    if (yFixedMinSet && yFixedMin < value)
        value = yFixedMin;
    value -= yPadBelow;
    if (yFloor)
        value = std::floor(value);
    return value;
}

double cf_ChartModel::FinishYMax(double value) const
{
    if (yFixedMaxSet && yFixedMax > value)
        value = yFixedMax;
    value += yPadAbove;
    if (yCeil)
        value = std::ceil(value);
    return value;
}

double cf_ChartModel::YMin() const
{
    bool found = false;
    double value = SmallestGroupYMin(found);
    if (value > 0) {
        bool foundMax = false;
        double largest = LargestGroupYMax(foundMax);
        if (zeroBase || value <= (largest - value) * zeroRatio)
            value = 0;
    }
    return FinishYMin(value);
}

double cf_ChartModel::YMax() const
{
    bool found = false;
    double value = LargestGroupYMax(found);
    if (rangeGroup.HasValues() && (!found || rangeGroup.YMax() > value))
        value = rangeGroup.YMax();
    if (value < 0) {
        bool foundMin = false;
        double smallest = SmallestGroupYMin(foundMin);
        if (zeroBase || -value <= (value - smallest) * zeroRatio)
            value = 0;
    }
    return FinishYMax(value);
}

double cf_ChartModel::StackedExtreme(int sign, bool &found) const
{
    found = false;
    double value = 0;
    int positions = LargestCount();
    for (int i = 1; i <= positions; ++i) {
        double sum = 0;
        for (int n = firstGroup; n >= 1 && n <= lastGroup; ++n) {
            cf_DataGroup *g = Group(n);
            if (g && g->Count() >= i && g->Value(i)->Y() * sign > 0)
                sum += g->Value(i)->Y();
        }
        if (!found || sum * sign > value * sign)
            value = sum;
        found = true;
    }
    return value;
}

double cf_ChartModel::StackedYMax() const
{
    bool found = false;
    double value = StackedExtreme(+1, found);
    if (rangeGroup.HasValues() && (!found || rangeGroup.YMax() > value))
        value = rangeGroup.YMax();
    return FinishYMax(value);
}

double cf_ChartModel::StackedYMin() const
{
    bool found = false;
    double value = StackedExtreme(-1, found);
    if (rangeGroup.HasValues() && (!found || rangeGroup.YMin() < value))
        value = rangeGroup.YMin();
    return FinishYMin(value);
}

double cf_ChartModel::ZMax() const
{
    if (valueMode != 3)
        return lastGroup;
    bool found = false;
    double value = 0;
    for (int n = firstGroup; n >= 1 && n <= lastGroup; ++n) {
        const cf_DataGroup *g = Group(n);
        if (g && g->HasValues() && (!found || g->ZMax() > value)) {
            value = g->ZMax();
            found = true;
        }
    }
    return value;
}

double cf_ChartModel::ZMin() const
{
    if (valueMode != 3)
        return 0;
    bool found = false;
    double value = 0;
    for (int n = firstGroup; n >= 1 && n <= lastGroup; ++n) {
        const cf_DataGroup *g = Group(n);
        if (g && g->HasValues() && (!found || g->ZMin() < value)) {
            value = g->ZMin();
            found = true;
        }
    }
    return value;
}

double cf_ChartModel::XStep() const
{
    double step = 1.0;
    if (valueMode != 3)
        return step;
    for (int n = firstGroup; n >= 1 && n <= lastGroup; ++n) {
        const cf_DataGroup *g = Group(n);
        // A single value or repeated x gives no usable step (it would be
        // used as a divisor): only real steps count.
        double own = g ? g->SmallestXStep() : 0;
        if (g && g->Count() >= 2 && own > CF_NUM_ZERO_IF_LT && own < step)
            step = own;
    }
    return step;
}
