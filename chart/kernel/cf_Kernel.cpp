#include "chart/kernel/cf_Kernel.h"

#include "chart/values/cf_Check.h"
#include "chart/values/cf_Constants.h"
#include "chart/values/cf_Extent.h"

#include <algorithm>
#include <cmath>

namespace {

// Corner numbering: signs of (x, y, z) per corner.
const int kCornerSign[8][3] = {
    {-1, -1, +1}, {+1, -1, +1}, {+1, -1, -1}, {-1, -1, -1},
    {-1, +1, +1}, {+1, +1, +1}, {+1, +1, -1}, {-1, +1, -1},
};
const int kBottomFace[4] = {0, 1, 2, 3};
const int kBackFace[4] = {3, 2, 6, 7};
const int kLeftFace[4] = {0, 3, 7, 4};

double Clamp(double v, double lo, double hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

// Integer distance between two device points; an overflowing square sum
// counts as 0.
int Distance(const cf_2DPoint &a, const cf_2DPoint &b)
{
    long long dx = b.x - a.x;
    long long dy = b.y - a.y;
    long long sum = dx * dx + dy * dy;
    if (sum < 0 || sum > 0x7FFFFFFFLL)
        return 0;
    return int(std::sqrt(double(sum)));
}

} // namespace

cf_Kernel::cf_Kernel(double xSize, double ySize, double zSize)
    : changed(0), geomCurrent(false), projCurrent(false), elevation(0), rotation(0), roll(0),
      perspective(0), leftMargin(10), rightMargin(10), topMargin(15), bottomMargin(10),
      independentScale(0), geomMatrix{}, projMatrix{}, cornerX{}, cornerY{}, cornerZ{},
      viewX{}, viewY{}, viewZ{}, projX{}, projY{}, origin{}, viewpoint{}, topFrontLeft{},
      xMin(0), xMax(0), yMin(0), yMax(0), zMin(0), zMax(0)
{
    SetCubeSize(xSize, ySize, zSize);
    SetViewAngles(20, -45);
    SetPerspective(0);
    RecalculateGeometry();
}

void cf_Kernel::SetCubeSize(double xSize, double ySize, double zSize)
{
    double half[3] = {xSize * 0.5, ySize * 0.5, zSize * 0.5};
    for (int i = 0; i < 8; ++i) {
        cornerX[i] = kCornerSign[i][0] * half[0];
        cornerY[i] = kCornerSign[i][1] * half[1];
        cornerZ[i] = kCornerSign[i][2] * half[2];
    }
    xMin = -half[0];
    xMax = half[0];
    yMin = -half[1];
    yMax = half[1];
    zMin = -half[2];
    zMax = half[2];
    origin[0] = cornerX[3];
    origin[1] = cornerY[3];
    origin[2] = cornerZ[3];
    topFrontLeft[0] = cornerX[4];
    topFrontLeft[1] = cornerY[4];
    topFrontLeft[2] = cornerZ[4];
    viewpoint[0] = 0;
    viewpoint[1] = 0;
    viewpoint[2] = 2 * half[2];
    changed = 1;
    geomCurrent = false;
    RecalculateGeometry();
}

void cf_Kernel::SetViewAngles(double elevationDeg, double rotationDeg)
{
    elevation = Clamp(elevationDeg, 0, 90);
    rotation = Clamp(rotationDeg, -90, 0);
    roll = 0;
    changed = 1;
    RecalculateGeometry();
}

void cf_Kernel::SetPerspective(double value)
{
    perspective = value > 100 ? 100 : value;
    changed = 1;
    RecalculateGeometry();
}

void cf_Kernel::SetMargin(double &margin, double percent)
{
    margin = percent;
    projCurrent = false;
}

void cf_Kernel::SetLeftMargin(double percent)
{
    SetMargin(leftMargin, percent);
}

void cf_Kernel::SetRightMargin(double percent)
{
    SetMargin(rightMargin, percent);
}

void cf_Kernel::SetTopMargin(double percent)
{
    SetMargin(topMargin, percent);
}

void cf_Kernel::SetBottomMargin(double percent)
{
    SetMargin(bottomMargin, percent);
}

void cf_Kernel::SetMarginFloor(const cf_2DRect &pixels)
{
    if (pixels == marginFloor)
        return;
    marginFloor = pixels;
    // A floor under the percentages leaves the projection as it is.
    if (!(PlotRectIn(displayRect) == plotRect))
        projCurrent = false;
}

namespace {

// The room on both sides of a span of n pixels: the percentages, raised to
// their floors, together at most three quarters of the span.
void SideRoom(int n, double lowPercent, double highPercent, int lowFloor, int highFloor, int &low, int &high)
{
    low = cf_Trunc(n * lowPercent * 0.01);
    high = cf_Trunc(n * highPercent * 0.01);
    const int percentRoom = low + high;
    low = std::max(low, lowFloor);
    high = std::max(high, highFloor);
    const int most = std::max(percentRoom, n - n / 4);
    if (low + high > most && low + high > 0) {
        const int total = low + high;
        low = static_cast<int>(static_cast<long long>(low) * most / total);
        high = most - low;
    }
}

} // namespace

void cf_Kernel::SetIndependentScale(unsigned char flag)
{
    independentScale = flag;
    projCurrent = false;
}

void cf_Kernel::UpdateGeometry()
{
    if (!geomCurrent)
        RecalculateGeometry();
    changed = 0;
}

void cf_Kernel::RecalculateGeometry()
{
    double e = elevation * CF_DEG_TO_RAD;
    double r = rotation * CF_DEG_TO_RAD;
    double t = roll * CF_DEG_TO_RAD;
    double ce = std::cos(e), se = std::sin(e);
    double cr = std::cos(r), sr = std::sin(r);
    double ct = std::cos(t), st = std::sin(t);

    double deepest = 0;
    for (int i = 0; i < 8; ++i) {
        double d = cr * ce * cornerZ[i] + se * cornerY[i] - sr * ce * cornerX[i];
        if (i == 0 || d > deepest)
            deepest = d;
    }
    // A box seen edge-on has no depth to scale the perspective by.
    double p = cf_IsZero(deepest) ? 0.0 : perspective / (std::fabs(deepest) * 10.0);

    double m[4][4] = {
        {cr * ct - se * sr * st, se * sr * ct + cr * st, -ce * sr, p * ce * sr},
        {-ce * st, ce * ct, se, -p * se},
        {se * cr * st + sr * ct, sr * st - se * cr * ct, ce * cr, -p * ce * cr},
        {0, 0, 0, 1},
    };
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            geomMatrix[row][col] = m[row][col];

    for (int i = 0; i < 8; ++i) {
        viewX[i] = cornerX[i];
        viewY[i] = cornerY[i];
        viewZ[i] = cornerZ[i];
    }
    TransformPoints(viewX, viewY, viewZ, 8);
    viewpoint[0] = 0;
    viewpoint[1] = 0;
    viewpoint[2] = 2 * (xMax + yMax + zMax);
    TransformPoints(&viewpoint[0], &viewpoint[1], &viewpoint[2], 1);
    geomCurrent = true;
}

bool cf_Kernel::IsIdentityGeometry() const
{
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            if (geomMatrix[row][col] != (row == col ? 1.0 : 0.0))
                return false;
    return true;
}

void cf_Kernel::TransformPoints(double *xs, double *ys, double *zs, int n) const
{
    const double (&m)[4][4] = geomMatrix;
    if (IsIdentityGeometry())
        return;
    for (int i = 0; i < n; ++i) {
        double x = xs[i], y = ys[i], z = zs[i];
        double nx = m[0][0] * x + m[1][0] * y + m[2][0] * z;
        double ny = m[0][1] * x + m[1][1] * y + m[2][1] * z;
        double nz = m[0][2] * x + m[1][2] * y + m[2][2] * z;
        double w = m[0][3] * x + m[1][3] * y + m[2][3] * z + m[3][3];
        if (w != 1.0 && !cf_IsZero(w)) {
            nx /= w;
            ny /= w;
        }
        xs[i] = nx;
        ys[i] = ny;
        zs[i] = nz;
    }
}

void cf_Kernel::ProjectPoints(const double *xs, const double *ys, cf_2DPoint *out, int n) const
{
    const double (&p)[4][2] = projMatrix;
    for (int i = 0; i < n; ++i) {
        out[i].x = cf_Trunc(p[0][0] * xs[i] + p[3][0]);
        out[i].y = cf_Trunc(p[1][1] * ys[i] + p[3][1]);
    }
}

cf_2DRect cf_Kernel::PlotRectIn(const cf_2DRect &deviceRect) const
{
    int left = 0, right = 0, top = 0, bottom = 0;
    SideRoom(deviceRect.Width(), leftMargin, rightMargin, marginFloor.left, marginFloor.right, left, right);
    SideRoom(deviceRect.Height(), topMargin, bottomMargin, marginFloor.top, marginFloor.bottom, top, bottom);
    return cf_2DRect(deviceRect.left + left, deviceRect.top + top, deviceRect.right - right,
                     deviceRect.bottom - bottom);
}

void cf_Kernel::PrepareRect(const cf_2DRect &deviceRect)
{
    displayRect = deviceRect;
    plotRect = PlotRectIn(deviceRect);

    double minX = viewX[0], maxX = viewX[0], minY = viewY[0], maxY = viewY[0];
    for (int i = 1; i < 8; ++i) {
        minX = viewX[i] < minX ? viewX[i] : minX;
        maxX = viewX[i] > maxX ? viewX[i] : maxX;
        minY = viewY[i] < minY ? viewY[i] : minY;
        maxY = viewY[i] > maxY ? viewY[i] : maxY;
    }
    double dx = std::fabs(maxX - minX);
    double dy = std::fabs(maxY - minY);
    double pw = plotRect.Width() > 0 ? plotRect.Width() : 0;
    double ph = plotRect.Height() > 0 ? plotRect.Height() : 0;

    // A flat span gives no scale of its own: it takes the other axis's, or 1.
    bool xFlat = cf_IsZero(dx), yFlat = cf_IsZero(dy);
    double sx = xFlat ? 1.0 : pw / dx;
    double sy = yFlat ? 1.0 : ph / dy;
    if (xFlat && !yFlat)
        sx = sy;
    if (yFlat && !xFlat)
        sy = sx;
    if (!independentScale) {
        double s = sx < sy ? sx : sy;
        sx = sy = s;
    }

    projMatrix[0][0] = sx;
    projMatrix[0][1] = 0;
    projMatrix[1][0] = 0;
    projMatrix[1][1] = -sy;
    projMatrix[2][0] = 0;
    projMatrix[2][1] = 0;
    projMatrix[3][0] = pw * 0.5 + plotRect.left;
    projMatrix[3][1] = ph * 0.5 + plotRect.top;

    for (int i = 0; i < 8; ++i) {
        projX[i] = viewX[i];
        projY[i] = viewY[i];
    }
    ProjectPoints(projX, projY, deviceCorners, 8);
    backFaceRect = FaceRect(kBackFace);
    leftFaceRect = FaceRect(kLeftFace);
    bottomFaceRect = FaceRect(kBottomFace);
    projCurrent = true;
}

// A face's size in pixels: its model x and y straight through the projection.
cf_2DRect cf_Kernel::FaceRect(const int (&face)[4]) const
{
    double xs[4], ys[4], zs[4];
    FaceCorners(face, xs, ys, zs);
    cf_2DPoint q[4];
    ProjectPoints(xs, ys, q, 4);
    int a = Distance(q[0], q[1]), b = Distance(q[3], q[2]);
    int c = Distance(q[3], q[0]), d = Distance(q[2], q[1]);
    return cf_2DRect(0, 0, a > b ? a : b, c > d ? c : d);
}

const double (&cf_Kernel::GeomMatrix() const)[4][4]
{
    if (!geomCurrent)
        cf_ReportCheck(kModule, "bIsGeomMatrixCurrent_ == TRUE");
    return geomMatrix;
}

const double (&cf_Kernel::ProjMatrix() const)[4][2]
{
    if (!projCurrent)
        cf_ReportCheck(kModule, "bIsProjMatrixCurrent_ == TRUE");
    return projMatrix;
}

void cf_Kernel::CubeCorners(double *xs, double *ys, double *zs) const
{
    for (int i = 0; i < 8; ++i) {
        xs[i] = cornerX[i];
        ys[i] = cornerY[i];
        zs[i] = cornerZ[i];
    }
}

void cf_Kernel::FaceCorners(const int (&face)[4], double *xs, double *ys, double *zs) const
{
    for (int i = 0; i < 4; ++i) {
        xs[i] = cornerX[face[i]];
        ys[i] = cornerY[face[i]];
        zs[i] = cornerZ[face[i]];
    }
}

void cf_Kernel::BottomFaceCorners(double *xs, double *ys, double *zs) const
{
    FaceCorners(kBottomFace, xs, ys, zs);
}

void cf_Kernel::BackFaceCorners(double *xs, double *ys, double *zs) const
{
    FaceCorners(kBackFace, xs, ys, zs);
}

void cf_Kernel::LeftFaceCorners(double *xs, double *ys, double *zs) const
{
    FaceCorners(kLeftFace, xs, ys, zs);
}

void cf_Kernel::Origin(double &x, double &y, double &z) const
{
    cf_ReadTriple(origin, x, y, z);
}

void cf_Kernel::Viewpoint(double &x, double &y, double &z) const
{
    cf_ReadTriple(viewpoint, x, y, z);
}

void cf_Kernel::TopFrontLeft(double &x, double &y, double &z) const
{
    cf_ReadTriple(topFrontLeft, x, y, z);
}
