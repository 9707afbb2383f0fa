#include "chart/model/cf_DataGroup.h"

#include "chart/values/cf_Extent.h"

#include <cmath>

namespace {

// Values a block holds: twice as many as the block before, up to a limit.
constexpr int kFirstBlock = 32;
constexpr int kLargestBlock = 4096;

int BlockSize(size_t block)
{
    int size = kFirstBlock;
    for (size_t b = 0; b < block && size < kLargestBlock; ++b)
        size *= 2;
    return size;
}

} // namespace

cf_DataGroup::cf_DataGroup()
    : changed(0), xMax(0), xMin(0), xSum(0), yMax(0), yMin(0), ySum(0), zMax(0), zMin(0),
      zSum(0), values(16 + 10), count(0)
{
}

cf_DataGroup::cf_DataGroup(const wchar_t *groupName) : cf_DataGroup()
{
    SetName(groupName);
}

cf_DataGroup::~cf_DataGroup() = default;

cf_DataGroup &cf_DataGroup::operator=(const cf_DataGroup &other)
{
    if (this == &other)
        return *this;
    changed = other.changed;
    name = other.name;
    dispAttribs = other.dispAttribs;
    DropValues();
    for (int n = 1; n <= other.count; ++n) {
        cf_XYZ *copy = NewValue();
        *copy = *other.At(n);
        values.At(n) = copy;
    }
    count = other.count;
    xMax = other.xMax, xMin = other.xMin, xSum = other.xSum;
    yMax = other.yMax, yMin = other.yMin, ySum = other.ySum;
    zMax = other.zMax, zMin = other.zMin, zSum = other.zSum;
    return *this;
}

cf_XYZ *cf_DataGroup::AddValue(double x, double y, double z)
{
    cf_XYZ *value = NewValue();
    value->Set(x, y, z);
    return Append(value);
}

cf_XYZ *cf_DataGroup::AddValue(const cf_XYZ &value)
{
    cf_XYZ *copy = NewValue();
    *copy = value;
    return Append(copy);
}

cf_XYZ *cf_DataGroup::NewValue()
{
    if (usedInBlock == blockRoom) {
        if (!blocks.empty())
            ++filling;
        usedInBlock = 0;
        blockRoom = BlockSize(filling);
        if (filling == blocks.size())
            blocks.emplace_back(new cf_XYZ[size_t(blockRoom)]);
    }
    cf_XYZ *value = &blocks[filling][size_t(usedInBlock++)];
    // A place a cleared value held: that value's label goes only now.
    if (value->Label() || value->Flag() != 1)
        *value = cf_XYZ();
    else
        value->Set(0, 0, 0);
    return value;
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
    DropValues();
    xMax = xMin = xSum = yMax = yMin = ySum = zMax = zMin = zSum = 0;
    changed = 1;
    name.Clear();
}

void cf_DataGroup::Renew()
{
    Clear();
    changed = 0;
    dispAttribs = cf_DispAttribs();
    textAttribs = cf_TextAttribs();
}

void cf_DataGroup::DropValues()
{
    // The slots past count are never read; the places are made new again
    // when they are taken.
    filling = 0;
    usedInBlock = 0;
    blockRoom = blocks.empty() ? 0 : BlockSize(0);
    count = 0;
}
