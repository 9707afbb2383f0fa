#pragma once
// cf_2DRect: an integer device rectangle. Width is right - left and height
// bottom - top; nothing keeps the sides ordered. Plain value.

#include "chart/values/cf_2DPoint.h"

class cf_2DRect {
public:
    cf_2DRect() : left(0), top(0), right(0), bottom(0) {}
    cf_2DRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    cf_2DRect(const cf_2DPoint &topLeft, const cf_2DPoint &bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const cf_2DRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }

    int &Left() { return left; }
    int &Top() { return top; }
    int &Right() { return right; }
    int &Bottom() { return bottom; }

    int left;
    int top;
    int right;
    int bottom;
};
