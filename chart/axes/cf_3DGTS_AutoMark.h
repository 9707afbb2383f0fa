#pragma once
// The seven face classes of the grid and tick series. Each serves one face
// of the chart's box (its face number, which is also its axis slot and the
// model's text item it takes its look from) and places a value's tick on
// it: the grid line across the face (point 1 to 2) and the tick mark beyond
// its edge (point 2 to 3). Xs, Ys, Zs are the scene spans, e the value's
// scene coordinate, t the mark length.

#include "chart/axes/cf_3DGridTickSeries.h"

// Faces 1 to 6, the faces of the box (Face is the face number): each face
// differs only in its layout, which axis carries the value, which one the
// grid line crosses and where the mark points. Made for faces 1 to 6 only.
template <int Face> class cf_3DGTS_AutoMarkBoxFace : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkBoxFace(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 1, x on the back face: (e, 0, 0) - (e, Ys, 0) - (e, Ys + t, 0).
using cf_3DGTS_AutoMarkBackFaceX = cf_3DGTS_AutoMarkBoxFace<1>;
// Face 2, x on the floor: (e, 0, 0) - (e, 0, Zs) - (e, -t, Zs).
using cf_3DGTS_AutoMarkBottomFaceX = cf_3DGTS_AutoMarkBoxFace<2>;
// Face 3, y on the back face: (0, e, 0) - (Xs, e, 0) - (Xs + t, e, 0).
using cf_3DGTS_AutoMarkBackFaceY = cf_3DGTS_AutoMarkBoxFace<3>;
// Face 4, y on the left wall: (0, e, 0) - (0, e, Zs) - (-t, e, Zs).
using cf_3DGTS_AutoMarkLeftFaceY = cf_3DGTS_AutoMarkBoxFace<4>;
// Face 5, z on the floor: (0, 0, e) - (Xs, 0, e) - (Xs + t, 0, e).
using cf_3DGTS_AutoMarkBottomFaceZ = cf_3DGTS_AutoMarkBoxFace<5>;
// Face 6, z on the left wall: (0, 0, e) - (0, Ys, e) - (-t, Ys, e).
using cf_3DGTS_AutoMarkLeftFaceZ = cf_3DGTS_AutoMarkBoxFace<6>;

// Face 7, angles on the round floor of a pie: from the engine's origin to
// the rim at angle v (radians), the mark beyond the rim.
class cf_3DGTS_AutoMarkPolarFloor : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkPolarFloor(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};
