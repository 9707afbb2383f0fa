#include "chart/model/cf_DataGroup.h"

#include "chart/values/cf_Extent.h"

#include <cmath>

cf_DataGroup::cf_DataGroup()
    : changed(0), xMax(0), xMin(0), xSum(0), yMax(0), yMin(0), ySum(0), zMax(0), zMin(0),
      zSum(0), values(16 + 10), count(0)
{
}

cf_DataGroup::cf_DataGroup(const wchar_t *groupName) : cf_DataGroup()
{
    SetName(groupName);
}

cf_DataGroup::~cf_DataGroup()
{
    DeleteValues();
}

cf_DataGroup &cf_DataGroup::operator=(const cf_DataGroup &other)
{
    if (this == &other)
        return *this;
    changed = other.changed;
    name = other.name;
    dispAttribs = other.dispAttribs;
    DeleteValues();
    for (int n = 1; n <= other.count; ++n)
        values.At(n) = new cf_XYZ(*other.At(n));
    count = other.count;
    xMax = other.xMax, xMin = other.xMin, xSum = other.xSum;
    yMax = other.yMax, yMin = other.yMin, ySum = other.ySum;
    zMax = other.zMax, zMin = other.zMin, zSum = other.zSum;
    return *this;
}

cf_XYZ *cf_DataGroup::AddValue(double x, double y, double z)
{
    return Append(new cf_XYZ(x, y, z));
}

cf_XYZ *cf_DataGroup::AddValue(const cf_XYZ &value)
{
    return Append(new cf_XYZ(value));
}

cf_XYZ *cf_DataGroup::Append(cf_XYZ *value)
{
    ++count;
    values.At(count) = value;
    double x = value->X(), y = value->Y(), z = value->Z();
    cf_WidenRange(xMin, xMax, x, count == 1);
    cf_WidenRange(yMin, yMax, y, count == 1);
    cf_WidenRange(zMin, zMax, z, count == 1);
    xSum += x;
    ySum += y;
    zSum += z;
    return value;
}

cf_XYZ *cf_DataGroup::Value(int n)
{
    if (count == 0) {
        // Reading must not change the data: the zero value stays outside.
        emptyValue = cf_XYZ();
        return &emptyValue;
    }
    if (n < 1)
        n = 1;
    if (n > count)
        n = count;
    return At(n);
}

cf_XYZ *cf_DataGroup::At(int n) const
{
    return static_cast<cf_XYZ *>(values.At(n));
}

double cf_DataGroup::SumAbsY() const
{
    double sum = 0;
    for (int n = 1; n <= count; ++n)
        sum += std::fabs(At(n)->Y());
    return sum;
}

double cf_DataGroup::SmallestXStep() const
{
    double smallest = xMax - xMin;
    for (int n = count; n >= 2; --n) {
        double step = At(n)->X() - At(n - 1)->X();
        if (step < smallest)
            smallest = step;
    }
    return smallest;
}

void cf_DataGroup::SetName(const wchar_t *text)
{
    if (text)
        name = text;
}

void cf_DataGroup::Clear()
{
    DeleteValues();
    xMax = xMin = xSum = yMax = yMin = ySum = zMax = zMin = zSum = 0;
    changed = 1;
    name.Clear();
}

void cf_DataGroup::DeleteValues()
{
    cf_DeleteSlots<cf_XYZ>(values, count);
    count = 0;
}
