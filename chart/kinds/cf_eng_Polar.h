#pragma once
// cf_eng_Polar: the base of the pie engines. It lays a square floor into the
// box (5 % high), keeps nine reference points on it, draws the floor as an
// ellipse and builds its objects directly in box coordinates: the steps
// that fit data into the box do nothing. GUI thread only.

#include "chart/engine/cf_ChartEngine.h"

class cf_eng_Polar : public cf_ChartEngine {
public:
    enum Reference { kRight, kLeft, kFar, kNear, kFlatRight, kFlatLeft, kFlatFar, kFlatNear, kCentre };

    cf_eng_Polar(int chartType, int dimension);

    void UpdateGeometry() override;
    void Project() override;
    void DrawWalls(bf_Display *display) override { DrawWallsAndBitmap(display); }
    void DrawWallsAndBitmap(bf_Display *display) override;
    // 1 looks straight down on the floor (elevation 90, rotation 0).
    bool SetViewMode(int mode) override;

    const cf_3DPoint &ReferencePoint(Reference which) const { return points[which]; }

protected:
    void ApplyScale() override {}
    void ApplyOffset() override {}
    void ComputeScale() override {}
    void ComputeOffset() override {}
    // The base step, then a square floor, then the reference points.
    void RescaleWalls() override;
    // The origin is the floor's centre; nothing moves.
    void FollowOrigin() override;

private:
    cf_3DPoint points[9];
};
