#pragma once
// cf_2DPoint: an integer device point in pixels. Plain value.

class cf_2DPoint {
public:
    cf_2DPoint() : x(0), y(0) {}
    cf_2DPoint(int px, int py) : x(px), y(py) {}

    cf_2DPoint &operator+=(const cf_2DPoint &other)
    {
        x += other.x;
        y += other.y;
        return *this;
    }
    bool operator==(const cf_2DPoint &other) const { return x == other.x && y == other.y; }
    bool operator!=(const cf_2DPoint &other) const { return !(*this == other); }

    // The point of the component-wise minima (maxima) of a and b.
    static cf_2DPoint Min(const cf_2DPoint &a, const cf_2DPoint &b)
    {
        return cf_2DPoint(a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y);
    }
    static cf_2DPoint Max(const cf_2DPoint &a, const cf_2DPoint &b)
    {
        return cf_2DPoint(a.x > b.x ? a.x : b.x, a.y > b.y ? a.y : b.y);
    }

    int &X() { return x; }
    int &Y() { return y; }
    int X() const { return x; }
    int Y() const { return y; }
    void Clear() { x = y = 0; }

    int x;
    int y;
};
