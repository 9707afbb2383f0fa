#pragma once
// The seven face classes of the grid and tick series. Each serves one face
// of the chart's box (its face number, which is also its axis slot and the
// model's text item it takes its look from) and places a value's tick on
// it: the grid line across the face (point 1 to 2) and the tick mark beyond
// its edge (point 2 to 3). Xs, Ys, Zs are the scene spans, e the value's
// scene coordinate, t the mark length.

#include "chart/axes/cf_3DGridTickSeries.h"

// Face 1, x on the back face: (e, 0, 0) - (e, Ys, 0) - (e, Ys + t, 0).
class cf_3DGTS_AutoMarkBackFaceX : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkBackFaceX(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 2, x on the floor: (e, 0, 0) - (e, 0, Zs) - (e, -t, Zs).
class cf_3DGTS_AutoMarkBottomFaceX : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkBottomFaceX(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 3, y on the back face: (0, e, 0) - (Xs, e, 0) - (Xs + t, e, 0).
class cf_3DGTS_AutoMarkBackFaceY : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkBackFaceY(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 4, y on the left wall: (0, e, 0) - (0, e, Zs) - (-t, e, Zs).
class cf_3DGTS_AutoMarkLeftFaceY : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkLeftFaceY(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 5, z on the floor: (0, 0, e) - (Xs, 0, e) - (Xs + t, 0, e).
class cf_3DGTS_AutoMarkBottomFaceZ : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkBottomFaceZ(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 6, z on the left wall: (0, 0, e) - (0, Ys, e) - (-t, Ys, e).
class cf_3DGTS_AutoMarkLeftFaceZ : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkLeftFaceZ(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};

// Face 7, angles on the round floor of a pie: from the engine's origin to
// the rim at angle v (radians), the mark beyond the rim.
class cf_3DGTS_AutoMarkPolarFloor : public cf_3DGridTickSeries {
public:
    explicit cf_3DGTS_AutoMarkPolarFloor(cf_EngineFrame *engine);
    cf_3DTextMarker *CreateTick(double value, int half) override;
};
