#include "chart/axes/cf_3DGTS_AutoMark.h"

#include "chart/axes/cf_EngineFrame.h"
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

// How a face checks the data span and scale factor of its value axis
// before using them: not at all, by size, or for being positive.
enum class SpanCheck { None, Size, Positive };

// The layout of a box face. Axes are 0 x, 1 y, 2 z. The tick runs from the
// value's point on its axis across the face to the full span of the grid
// axis, then on by the mark length (taken from the mark axis's span) along
// the mark axis, forward or back. The check texts are what a failed check
// reports.
struct BoxFaceLayout {
    int scaleSource;
    int valueAxis;
    int gridAxis;
    int markAxis;
    double markDirection;
    SpanCheck check;
    const char *dataCheck;
    const char *scaleCheck;
};

const BoxFaceLayout kBoxFaces[7] = {
    {},
    {5, 0, 1, 1, +1, SpanCheck::None, nullptr, nullptr},
    {5, 0, 2, 1, -1, SpanCheck::Size, "fabs( this->dEngDataXDim ) > CF_NUM_ZERO_IF_LT",
     "fabs( this->dScaleFacX ) > CF_NUM_ZERO_IF_LT"},
    {6, 1, 0, 0, +1, SpanCheck::None, nullptr, nullptr},
    {6, 1, 2, 0, -1, SpanCheck::None, nullptr, nullptr},
    {4, 2, 0, 0, +1, SpanCheck::Size, "fabs( this->dEngDataZDim ) > CF_NUM_ZERO_IF_LT",
     "fabs( this->dScaleFacZ ) > CF_NUM_ZERO_IF_LT"},
    {4, 2, 1, 0, -1, SpanCheck::Positive, "this->dEngDataZDim > CF_NUM_ZERO_IF_LT",
     "this->dScaleFacZ > CF_NUM_ZERO_IF_LT"},
};

// Reports the failed check, as CF_CHECK would.
void CheckSpan(SpanCheck check, double value, const char *text)
{
    const bool passed = check == SpanCheck::Size ? fabs(value) > CF_NUM_ZERO_IF_LT
                                                 : value > CF_NUM_ZERO_IF_LT;
    if (check != SpanCheck::None && !passed)
        cf_ReportCheck(cf_3DGridTickSeries::kModule, text);
}

} // namespace

template <int Face>
cf_3DGTS_AutoMarkBoxFace<Face>::cf_3DGTS_AutoMarkBoxFace(cf_EngineFrame *owner) : cf_3DGridTickSeries(owner)
{
    faceNumber = Face;
    scaleSource = kBoxFaces[Face].scaleSource;
}

template <int Face> cf_3DTextMarker *cf_3DGTS_AutoMarkBoxFace<Face>::CreateTick(double v, int half)
{
    const BoxFaceLayout &face = kBoxFaces[Face];
    const double dataDim[3] = {dEngDataXDim, dEngDataYDim, dEngDataZDim};
    const double sceneDim[3] = {sceneXDim, sceneYDim, sceneZDim};
    const double scaleFac[3] = {dScaleFacX, dScaleFacY, dScaleFacZ};
    const int a = face.valueAxis;
    CheckSpan(face.check, dataDim[a], face.dataCheck);
    CheckSpan(face.check, scaleFac[a], face.scaleCheck);

    const double e = SceneCoordinate(v, dataDim[a], sceneDim[a], scaleFac[a], dataBoxV[2 * a + 1]);
    TickPoints t = {};
    t.p[0][a] = t.p[1][a] = t.p[2][a] = e;
    t.p[1][face.gridAxis] = t.p[2][face.gridAxis] = sceneDim[face.gridAxis];
    t.p[2][face.markAxis] += face.markDirection * MarkLength(sceneDim[face.markAxis], half);
    cf_3DTextMarker *tick = AddPoints(*this, t);
    tick->SetLabelAtPoint2(ticksInward);
    return tick;
}

template class cf_3DGTS_AutoMarkBoxFace<1>;
template class cf_3DGTS_AutoMarkBoxFace<2>;
template class cf_3DGTS_AutoMarkBoxFace<3>;
template class cf_3DGTS_AutoMarkBoxFace<4>;
template class cf_3DGTS_AutoMarkBoxFace<5>;
template class cf_3DGTS_AutoMarkBoxFace<6>;

cf_3DGTS_AutoMarkPolarFloor::cf_3DGTS_AutoMarkPolarFloor(cf_EngineFrame *owner) : cf_3DGridTickSeries(owner)
{
    faceNumber = 7;
    scaleSource = 4;
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
