#pragma once
// cf_Extent: the small pieces of bookkeeping the scene objects and data
// groups share for their extents and triples: widening a low..high range by
// one value, reading a three-element array out into x, y and z, and scaling
// or moving a box of bounds (max, min per axis: x max, x min, y max, y min,
// z max, z min).

// Widens lo..hi to take v; the first value sets both ends. A NaN v leaves
// the range as it is.
inline void cf_WidenRange(double &lo, double &hi, double v, bool first)
{
    if (first) {
        lo = hi = v;
        return;
    }
    lo = v < lo ? v : lo;
    hi = v > hi ? v : hi;
}

// Multiplies each axis's pair of bounds by that axis's factor.
inline void cf_ScaleBounds(double (&bounds)[6], double sx, double sy, double sz)
{
    const double factors[3] = {sx, sy, sz};
    for (int axis = 0; axis < 3; ++axis) {
        bounds[2 * axis] *= factors[axis];
        bounds[2 * axis + 1] *= factors[axis];
    }
}

// The same, with the accumulated scale multiplied by the factors too.
inline void cf_ScaleBounds(double (&bounds)[6], double (&scale)[3], double sx, double sy, double sz)
{
    scale[0] *= sx;
    scale[1] *= sy;
    scale[2] *= sz;
    cf_ScaleBounds(bounds, sx, sy, sz);
}

// Moves each axis's pair of bounds and the accumulated offset by that axis's move.
inline void cf_MoveBounds(double (&bounds)[6], double (&offset)[3], double dx, double dy, double dz)
{
    const double moves[3] = {dx, dy, dz};
    for (int axis = 0; axis < 3; ++axis) {
        offset[axis] += moves[axis];
        bounds[2 * axis] += moves[axis];
        bounds[2 * axis + 1] += moves[axis];
    }
}

// Reads the triple out into x, y and z.
inline void cf_ReadTriple(const double (&v)[3], double &x, double &y, double &z)
{
    x = v[0];
    y = v[1];
    z = v[2];
}
