#pragma once
// ZafImageCanvas: a small pixel grid (colour indices, -1 transparent) that
// the data-file writer draws its pictures on before storing them as bitmaps.

#include "framework/core/base/ZafTypes.h"

#include <vector>

// Colour indices of the framework's colour table.
enum ZafColorIndex : ZafInt8 {
    ZAF_COLOR_CLEAR = -1, ZAF_COLOR_BLACK = 0, ZAF_COLOR_BLUE = 1, ZAF_COLOR_GREEN = 2, ZAF_COLOR_CYAN = 3,
    ZAF_COLOR_RED = 4, ZAF_COLOR_MAGENTA = 5, ZAF_COLOR_BROWN = 6, ZAF_COLOR_LIGHTGRAY = 7,
    ZAF_COLOR_DARKGRAY = 8, ZAF_COLOR_LIGHTBLUE = 9, ZAF_COLOR_LIGHTGREEN = 10, ZAF_COLOR_YELLOW = 14,
    ZAF_COLOR_WHITE = 15
};

class ZafImageCanvas
{
public:
    ZafImageCanvas(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    ZafInt8 *Pixels() { return pixels.data(); }
    ZafInt8 At(int x, int y) const;

    // Points outside the canvas are ignored.
    void Point(int x, int y, ZafInt8 color);
    void Line(int x1, int y1, int x2, int y2, ZafInt8 color);
    void Frame(int left, int top, int right, int bottom, ZafInt8 color);
    void Fill(int left, int top, int right, int bottom, ZafInt8 color);

private:
    int width;
    int height;
    std::vector<ZafInt8> pixels;
};
