#include "chart/axes/cf_3DGTS_AutoMark.h"

#include "chart/engine/cf_EngineFrame.h"
#include "chart/values/cf_Check.h"
#include "chart/values/cf_Constants.h"

#include <cmath>

namespace {

// Makes the three points of a tick.
struct TickPoints {
    double p[3][3];
};

cf_3DTextMarker *AddPoints(cf_3DGridTickSeries &series, const TickPoints &t)
{
    return series.AddTick(new cf_3DPoint(t.p[0][0], t.p[0][1], t.p[0][2]),
                          new cf_3DPoint(t.p[1][0], t.p[1][1], t.p[1][2]),
                          new cf_3DPoint(t.p[2][0], t.p[2][1], t.p[2][2]));
}

} // namespace

#define CF_FACE_CONSTRUCTOR(cls, face, source)                                                                \
    cls::cls(cf_EngineFrame *owner) : cf_3DGridTickSeries(owner)                                           \
    {                                                                                                        \
        faceNumber = face;                                                                                   \
        scaleSource = source;                                                                                \
    }

CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkBackFaceX, 1, 5)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkBottomFaceX, 2, 5)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkBackFaceY, 3, 6)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkLeftFaceY, 4, 6)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkBottomFaceZ, 5, 4)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkLeftFaceZ, 6, 4)
CF_FACE_CONSTRUCTOR(cf_3DGTS_AutoMarkPolarFloor, 7, 4)

#undef CF_FACE_CONSTRUCTOR

cf_3DTextMarker *cf_3DGTS_AutoMarkBackFaceX::CreateTick(double v, int half)
{
    double e = SceneCoordinate(v, dEngDataXDim, sceneXDim, dScaleFacX, dataBoxV[1]);
    double t = MarkLength(sceneYDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{e, 0, 0}, {e, sceneYDim, 0}, {e, sceneYDim + t, 0}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkBottomFaceX::CreateTick(double v, int half)
{
    CF_CHECK(kModule, fabs( this->dEngDataXDim ) > CF_NUM_ZERO_IF_LT);
    CF_CHECK(kModule, fabs( this->dScaleFacX ) > CF_NUM_ZERO_IF_LT);
    double e = SceneCoordinate(v, dEngDataXDim, sceneXDim, dScaleFacX, dataBoxV[1]);
    double t = MarkLength(sceneYDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{e, 0, 0}, {e, 0, sceneZDim}, {e, -t, sceneZDim}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkBackFaceY::CreateTick(double v, int half)
{
    double e = SceneCoordinate(v, dEngDataYDim, sceneYDim, dScaleFacY, dataBoxV[3]);
    double t = MarkLength(sceneXDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{0, e, 0}, {sceneXDim, e, 0}, {sceneXDim + t, e, 0}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkLeftFaceY::CreateTick(double v, int half)
{
    double e = SceneCoordinate(v, dEngDataYDim, sceneYDim, dScaleFacY, dataBoxV[3]);
    double t = MarkLength(sceneXDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{0, e, 0}, {0, e, sceneZDim}, {-t, e, sceneZDim}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkBottomFaceZ::CreateTick(double v, int half)
{
    CF_CHECK(kModule, fabs( this->dEngDataZDim ) > CF_NUM_ZERO_IF_LT);
    CF_CHECK(kModule, fabs( this->dScaleFacZ ) > CF_NUM_ZERO_IF_LT);
    double e = SceneCoordinate(v, dEngDataZDim, sceneZDim, dScaleFacZ, dataBoxV[5]);
    double t = MarkLength(sceneXDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{0, 0, e}, {sceneXDim, 0, e}, {sceneXDim + t, 0, e}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkLeftFaceZ::CreateTick(double v, int half)
{
    CF_CHECK(kModule, this->dEngDataZDim > CF_NUM_ZERO_IF_LT);
    CF_CHECK(kModule, this->dScaleFacZ > CF_NUM_ZERO_IF_LT);
    double e = SceneCoordinate(v, dEngDataZDim, sceneZDim, dScaleFacZ, dataBoxV[5]);
    double t = MarkLength(sceneXDim, half);
    cf_3DTextMarker *tick = AddPoints(*this, {{{0, 0, e}, {0, sceneYDim, e}, {-t, sceneYDim, e}}});
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

cf_3DTextMarker *cf_3DGTS_AutoMarkPolarFloor::CreateTick(double v, int)
{
    const double *centre = engine ? engine->Origin() : nullptr;
    double cx = centre ? centre[0] : 0, cy = centre ? centre[1] : 0, cz = centre ? centre[2] : 0;
    double r = sceneBox[0];
    double r2 = r * tickLength + r;
    return AddPoints(*this, {{{cx, cy, cz},
                              {r * std::cos(v), cy, -r * std::sin(v)},
                              {r2 * std::cos(v), cy, -r2 * std::sin(v)}}});
}
