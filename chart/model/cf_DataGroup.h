#pragma once
// cf_DataGroup: one named series of chart values (the points of one curve or
// the labelled values of one axis). It owns its values, numbered from 1,
// keeps the minimum, maximum and sum of each coordinate current as values
// are added, and carries the display and text attributes its series and
// labels are drawn with. The values live in blocks of growing size, so that
// a curve of thousands of points costs a few allocations, not one a point;
// a cleared group keeps its blocks for the values that follow. A value keeps
// its address until the group is cleared. Owned by the chart model; GUI
// thread only.

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/values/cf_DyArr.h"
#include "chart/values/cf_String.h"
#include "chart/values/cf_XYZ.h"

#include <memory>
#include <vector>

class cf_DataGroup {
public:
    cf_DataGroup();
    explicit cf_DataGroup(const wchar_t *groupName); // null leaves the name empty
    ~cf_DataGroup();
    // Copies the changed mark, name, display attributes, extremes and sums and
    // copies of the values; keeps its own text attributes.
    cf_DataGroup &operator=(const cf_DataGroup &other);
    cf_DataGroup(const cf_DataGroup &) = delete;

    // Appends a value (no label, flag 1) and answers it; the group owns it.
    cf_XYZ *AddValue(double x, double y, double z);
    // Appends a copy of the value, label included.
    cf_XYZ *AddValue(const cf_XYZ &value);

    // Value n, with n below 1 counting as 1 and n above Count as the last.
    // An empty group answers a zero value that is not part of the group.
    cf_XYZ *Value(int n);
    int Count() const { return count; }
    bool HasValues() const { return count >= 1; }

    double XMin() const { return xMin; }
    double XMax() const { return xMax; }
    double YMin() const { return yMin; }
    double YMax() const { return yMax; }
    double ZMin() const { return zMin; }
    double ZMax() const { return zMax; }
    double XSum() const { return xSum; }
    double YSum() const { return ySum; }
    double ZSum() const { return zSum; }
    // Sum of |y| over all values.
    double SumAbsY() const;
    // Smallest step x(n) - x(n - 1), starting from XMax - XMin.
    double SmallestXStep() const;

    const cf_String &Name() const { return name; }
    void SetName(const wchar_t *text); // null changes nothing
    cf_DispAttribs &DispAttribs() { return dispAttribs; }
    cf_TextAttribs &TextAttribs() { return textAttribs; }

    bool IsChanged() const { return changed != 0; }
    void MarkChanged() { changed = 1; }
    void SetChanged(unsigned char flag) { changed = flag; }
    void ClearChanged() { changed = 0; }

    // Deletes every value, zeroes extremes and sums, empties the name and
    // marks the group changed; the attributes stay.
    void Clear();
    // The group as a new one (no values, no name, default attributes, not
    // changed), keeping the room its values took.
    void Renew();

private:
    // A value (0, 0, 0) without label in the next free place of the blocks.
    cf_XYZ *NewValue();
    cf_XYZ *Append(cf_XYZ *value);
    // Every value gone; the blocks stay for the values that follow.
    void DropValues();
    cf_XYZ *At(int n) const;

    unsigned char changed;
    cf_String name;
    cf_DispAttribs dispAttribs;
    cf_TextAttribs textAttribs;
    double xMax, xMin, xSum, yMax, yMin, ySum, zMax, zMin, zSum;
    mutable cf_DyArr values;
    int count;
    std::vector<std::unique_ptr<cf_XYZ[]>> blocks; // each twice the one before, up to a limit
    size_t filling = 0;                             // the block the next value comes from
    int usedInBlock = 0;                            // values taken from it
    int blockRoom = 0;                              // the values it holds (0: no block yet)
    cf_XYZ emptyValue; // answered by Value on an empty group
};
