#include "ZafImageCanvas.h"

#include <cstdlib>

ZafImageCanvas::ZafImageCanvas(int width, int height)
    : width(width), height(height), pixels(size_t(width * height), ZAF_COLOR_CLEAR)
{
}

ZafInt8 ZafImageCanvas::At(int x, int y) const
{
    return x >= 0 && y >= 0 && x < width && y < height ? pixels[size_t(y * width + x)] : ZafInt8(ZAF_COLOR_CLEAR);
}

void ZafImageCanvas::Point(int x, int y, ZafInt8 color)
{
    if (x >= 0 && y >= 0 && x < width && y < height)
        pixels[size_t(y * width + x)] = color;
}

void ZafImageCanvas::Line(int x1, int y1, int x2, int y2, ZafInt8 color)
{
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Point(x1, y1, color);
        if (x1 == x2 && y1 == y2)
            break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

void ZafImageCanvas::Frame(int left, int top, int right, int bottom, ZafInt8 color)
{
    Line(left, top, right, top, color);
    Line(left, bottom, right, bottom, color);
    Line(left, top, left, bottom, color);
    Line(right, top, right, bottom, color);
}

void ZafImageCanvas::Fill(int left, int top, int right, int bottom, ZafInt8 color)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            Point(x, y, color);
}
