// ZafGdiDisplay: lines, rectangles, ellipses, polygons, pixels and block moves.
#include "framework/windows/ZafGdiDisplay.h"

#include <cmath>
#include <vector>

namespace {

// Selects a pen taken from the cache for one shape and gives it back after.
class ShapePen
{
public:
    ShapePen(ZafGdiDisplay &display, HDC dc, HPEN displayPen, int width)
        : dc(dc), displayPen(displayPen), pen(display.GetCachedPen(display.Palette(), width))
    {
        SelectObject(dc, pen);
    }
    ~ShapePen()
    {
        SelectObject(dc, displayPen);
        ZafGdiDisplay::ReleaseCachedObject(pen);
    }
    ShapePen(const ShapePen &) = delete;
    ShapePen &operator=(const ShapePen &) = delete;

private:
    HDC dc;
    HPEN displayPen;
    HPEN pen;
};

int StepAway(int delta)
{
    return delta >= 0 ? delta + 1 : delta - 1;
}

} // namespace

int ZafGdiDisplay::Line(int x1, int y1, int x2, int y2, int width)
{
    if (!deviceContext)
        return 0;
    MapCorners(x1, y1, x2, y2);
    width = MapWidth(width);
    if (width == -1)
    {
        // LineTo leaves out the last pixel: reach one pixel further.
        if (x1 == x2)
            y2 += y2 >= y1 ? 1 : -1;
        else if (y1 == y2)
            x2 += x2 >= x1 ? 1 : -1;
        else
        {
            int slope = (y2 - y1) * 1000 / (x2 - x1);
            if (slope >= 1000 || slope < -999)
            {
                int dy = StepAway(y2 - y1);
                x2 = dy * 1000 / slope + x1;
                y2 = y1 + dy;
            }
            else
            {
                int dx = StepAway(x2 - x1);
                x2 = x1 + dx;
                y2 = slope * dx / 1000 + y1;
            }
        }
    }
    ShapePen shapePen(*this, deviceContext, pen, width);
    MoveToEx(deviceContext, x1, y1, nullptr);
    LineTo(deviceContext, x2, y2);
    return 0;
}

int ZafGdiDisplay::Rectangle(int left, int top, int right, int bottom, int width, bool fill)
{
    if (!deviceContext)
        return 0;
    MapCorners(left, top, right, bottom);
    width = MapWidth(width);
    RECT rect = { left, top, right + 1, bottom + 1 };
    if (width == 0)
    {
        // Width 0 always fills, whatever the fill flag says.
        FillRect(deviceContext, &rect, brush);
        return 0;
    }
    HGDIOBJ previousBrush = fill ? nullptr : SelectObject(deviceContext, GetStockObject(NULL_BRUSH));
    if (width >= 2)
    {
        ShapePen shapePen(*this, deviceContext, pen, width);
        ::Rectangle(deviceContext, rect.left, rect.top, rect.right, rect.bottom);
    }
    else
        ::Rectangle(deviceContext, rect.left, rect.top, rect.right, rect.bottom);
    if (previousBrush)
        SelectObject(deviceContext, previousBrush);
    return 0;
}

int ZafGdiDisplay::Polygon(int count, const int *points, int width, bool fill, bool close)
{
    if (!deviceContext || count <= 0 || !points)
        return 0;
    std::vector<POINT> mapped;
    mapped.reserve(size_t(count) + 1);
    for (int i = 0; i < count; ++i)
        mapped.push_back({ MapX(points[2 * i]), MapY(points[2 * i + 1]) });
    if (close && (mapped.back().x != mapped.front().x || mapped.back().y != mapped.front().y))
        mapped.push_back(mapped.front());
    ShapePen shapePen(*this, deviceContext, pen, MapWidth(width));
    if (fill)
        ::Polygon(deviceContext, mapped.data(), int(mapped.size()));
    else
        ::Polyline(deviceContext, mapped.data(), int(mapped.size()));
    return 0;
}

int ZafGdiDisplay::Ellipse(int left, int top, int right, int bottom, float startAngle, float endAngle,
    int width, bool fill)
{
    if (!deviceContext)
        return 0;
    MapCorners(left, top, right, bottom);
    auto normalise = [](float angle) {
        while (angle > 360.0f)
            angle -= 360.0f;
        while (angle < 0.0f)
            angle += 360.0f;
        return angle;
    };
    startAngle = normalise(startAngle);
    endAngle = normalise(endAngle);
    if (endAngle - startAngle == 360.0f)
        endAngle = startAngle;
    const double toRadians = 0.01745329278;
    double centreX = (left + right) * 0.5, centreY = (top + bottom) * 0.5;
    int startX = int(std::cos(startAngle * toRadians) * 10000 + centreX);
    int startY = int(centreY - std::sin(startAngle * toRadians) * 10000);
    int endX = int(std::cos(endAngle * toRadians) * 10000 + centreX);
    int endY = int(centreY - std::sin(endAngle * toRadians) * 10000);
    ShapePen shapePen(*this, deviceContext, pen, MapWidth(width));
    if (!fill)
        ::Arc(deviceContext, left, top, right, bottom, startX, startY, endX, endY);
    else if (startAngle == endAngle)
        ::Ellipse(deviceContext, left, top, right, bottom);
    else
        ::Pie(deviceContext, left, top, right, bottom, startX - 1, startY - 1, endX - 1, endY - 1);
    return 0;
}

int ZafGdiDisplay::Pixel(int x, int y, ZafInt8 color)
{
    if (!deviceContext)
        return 0;
    COLORREF value = color == -3
        ? ColorReference(palette.colorForeground, palette.osColorForeground)
        : ColorReference(CheckedColor(color, 0), palette.osColorForeground);
    SetPixel(deviceContext, MapX(x), MapY(y), value);
    return 0;
}

int ZafGdiDisplay::RegionMove(const ZafRegionStruct &region, int newLeft, int newTop)
{
    HDC dc = deviceContext ? deviceContext : GetDC(nullptr);
    BitBlt(dc, newLeft, newTop, region.right - region.left + 1, region.bottom - region.top + 1,
        dc, region.left, region.top, SRCCOPY);
    if (!deviceContext)
        ReleaseDC(nullptr, dc);
    return 0;
}

int ZafGdiDisplay::XorRectangle(const ZafRegionStruct &oldRegion, const ZafRegionStruct &newRegion)
{
    HDC dc = deviceContext ? deviceContext : GetDC(nullptr);
    RECT oldRect = { oldRegion.left, oldRegion.top, oldRegion.right + 1, oldRegion.bottom + 1 };
    RECT newRect = { newRegion.left, newRegion.top, newRegion.right + 1, newRegion.bottom + 1 };
    DrawFocusRect(dc, &oldRect);
    DrawFocusRect(dc, &newRect);
    if (!deviceContext)
        ReleaseDC(nullptr, dc);
    return 0;
}
