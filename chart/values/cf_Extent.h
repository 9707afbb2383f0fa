#pragma once
// cf_Extent: the small pieces of bookkeeping the scene objects and data
// groups share for their extents and triples: widening a low..high range by
// one value, and reading a three-element array out into x, y and z.

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

// Reads the triple out into x, y and z.
inline void cf_ReadTriple(const double (&v)[3], double &x, double &y, double &z)
{
    x = v[0];
    y = v[1];
    z = v[2];
}
