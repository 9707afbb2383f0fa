#pragma once
// The box solids of the three-dimensional bar, column and stack charts:
// six faces between the given bounds, each face borrowing the solid's
// display attributes. They differ only in their anchor and depth key:
//   cf_3DBarHedra     anchor (0, mid y, mid z), depth key |view y|
//   cf_3DColumnHedra  anchor (mid x, 0, mid z), depth key |view x|
//   cf_3DStackHedra   anchor (mid x, mid y, mid z), depth key |view y|
// Owned by their series; GUI thread only.

#include "chart/solids/cf_3DPolyHedra.h"

class cf_3DBoxHedra : public cf_3DPolyHedra {
public:
    // Face order: y = y0, z = z0, x = x0, x = x1, z = z1, y = y1.
    static constexpr int kFaces = 6;

    // The six faces of the box; null attributes leave the solid without.
    cf_3DBoxHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                  cf_DispAttribs *borrowed);

    // The four corners of face f (0..5) of a box, in drawing order.
    static void FaceCorners(int f, double x0, double x1, double y0, double y1, double z0, double z1,
                            cf_3DPoint (&corners)[4]);

    // Transforms the anchor; the depth key is the length of its view x or y.
    void UpdateDepthKey(const cf_Kernel &kernel) override;

protected:
    // Places the anchor; depthFromViewX picks the view axis of the depth key.
    void PlaceAnchor(double x, double y, double z, bool depthFromViewX);

private:
    bool depthFromViewX = false;
};

class cf_3DBarHedra : public cf_3DBoxHedra {
public:
    cf_3DBarHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                  cf_DispAttribs *borrowed);
};

class cf_3DColumnHedra : public cf_3DBoxHedra {
public:
    cf_3DColumnHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                     cf_DispAttribs *borrowed);
};

class cf_3DStackHedra : public cf_3DBoxHedra {
public:
    cf_3DStackHedra(double x0, double x1, double y0, double y1, double z0, double z1,
                    cf_DispAttribs *borrowed);
};
