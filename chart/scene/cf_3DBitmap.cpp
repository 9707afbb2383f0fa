#include "chart/scene/cf_3DBitmap.h"

#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DPoint.h"

#include <cstdlib>
#include <utility>

cf_3DBitmap::cf_3DBitmap(cf_Kernel *owner) : kernel(owner) {}

cf_3DBitmap::~cf_3DBitmap()
{
    Release();
}

void cf_3DBitmap::SetBitmap(bf_2DBitmap *newBitmap)
{
    if (bitmap != newBitmap)
        delete bitmap;
    bitmap = newBitmap;
}

void cf_3DBitmap::Release()
{
    delete bitmapDisplay;
    bitmapDisplay = nullptr;
    delete bitmap;
    bitmap = nullptr;
}

void cf_3DBitmap::TakeCorners()
{
    double xs[4], ys[4], zs[4];
    kernel->LeftFaceCorners(xs, ys, zs);
    for (int i = 0; i < 4; ++i) {
        cf_3DPoint corner(xs[i], ys[i], zs[i]);
        corner.Transform(*kernel);
        corner.Project(*kernel);
        corners[i] = corner.DevicePoint();
    }
    corners[4] = corners[0];
    const cf_2DPoint *c = corners;
    leftRise = std::abs(c[0].y - c[3].y);
    rightRise = std::abs(c[1].y - c[2].y);
    leftRun = std::abs(c[0].x - c[3].x);
    rightRun = std::abs(c[1].x - c[2].x);
    topRun = std::abs(c[2].x - c[3].x);
    bottomRun = std::abs(c[1].x - c[0].x);
    leftStep = cf_2DPoint(c[0].x - c[3].x < 0 ? 1 : -1, 0);
    rightStep = cf_2DPoint(c[1].x - c[2].x < 0 ? 1 : -1, 0);
}

void cf_3DBitmap::DrawOutline(bf_Display *display)
{
    SelectPen(display);
    display->Polyline(corners, 5);
    ReleasePen(display);
}

void cf_3DBitmap::MapRow(bf_Display *display, int sourceRow, const cf_2DPoint &from, const cf_2DPoint &to)
{
    int dx = to.x - from.x, dy = to.y - from.y;
    int steps = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
    int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    cf_2DPoint at = from;
    int errorMinor = 0, errorSource = 0, sourceX = 0;
    bf_Color colour(9); // before the first read
    for (int i = 0; i <= steps; ++i) {
        if (bitmapDisplay && sourceRow >= 0 && sourceX < sourceWidth)
            colour = bitmapDisplay->Foreground();
        display->Pixel(at, colour);
        if (std::abs(dx) > std::abs(dy)) {
            at.x += sx;
            errorMinor += std::abs(dy);
            if (errorMinor * 2 >= steps) {
                at.y += sy;
                errorMinor -= steps;
            }
        } else {
            at.y += sy;
            errorMinor += std::abs(dx);
            if (errorMinor * 2 >= steps) {
                at.x += sx;
                errorMinor -= steps;
            }
        }
        errorSource += sourceWidth;
        while (steps > 0 && errorSource >= steps) {
            ++sourceX;
            errorSource -= steps;
        }
    }
}

void cf_3DBitmap::DrawFormB(bf_Display *display)
{
    if (!HasFile() || !display || !kernel)
        return;
    SetBitmap(new bf_2DBitmap(fileName.Text(), display));
    bitmapWidth = bitmap->Width();
    bitmapHeight = bitmap->Height();
    TakeCorners();

    // Edge A starts at c0, edge B at c1; the taller edge is walked.
    cf_2DPoint a = corners[0], b = corners[1];
    int riseA = leftRise, runA = leftRun, riseB = rightRise, runB = rightRun;
    cf_2DPoint stepA = leftStep, stepB = rightStep;
    scanCount = bitmapHeight;
    sourceWidth = bitmapWidth;
    if (leftRise < rightRise) {
        std::swap(a, b);
        std::swap(riseA, riseB);
        std::swap(runA, runB);
        std::swap(stepA, stepB);
        scanCount = rightRise;
    }
    bitmapDisplay = new bf_2DBitmapDisplay;
    sourceRect = cf_2DRect(0, 0, sourceWidth, scanCount);
    bitmapDisplay->DrawBitmap(cf_2DPoint(), bitmap);
    DrawOutline(display);

    int n = riseA;
    int sums[4] = {0, 0, 0, 0};
    int sourceRow = 0;
    // Moves an edge end by step each time its error sum passes zero, mapping
    // the row once more before it moves.
    auto advance = [&](int &sum, int rise, cf_2DPoint &end, const cf_2DPoint &step) {
        if ((sum += rise) > 0) {
            MapRow(display, sourceRow, a, b);
            sum -= n;
            end += step;
        }
    };
    for (int row = n; row >= 1; --row) {
        MapRow(display, sourceRow, a, b);
        a += upStep;
        advance(sums[0], runA, a, stepA);
        advance(sums[1], riseB, b, upStep);
        advance(sums[2], runB, b, stepB);
        if ((sums[3] += scanCount) > 0) {
            sums[3] -= n;
            ++sourceRow;
        }
    }
    MapRow(display, sourceRow, a, b);
    DrawOutline(display);
    Release();
}
