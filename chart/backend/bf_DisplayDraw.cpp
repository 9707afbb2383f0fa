#include "chart/backend/bf_Display.h"

#include "chart/backend/bf_PolylineReduction.h"
#include "chart/backend/bf_TextExtents.h"
#include "framework/windows/ZafGdiDisplay.h"

#include <algorithm>
#include <vector>

namespace {

// The lines of a wide run handed to the framework per call.
constexpr int kWideRunLines = 16;

} // namespace

// Drawing operations of bf_Display: each turns into framework display calls
// in the current pen, brush and line width.

bool bf_Display::Polyline(const cf_2DPoint *points, int count)
{
    if (!gdi || !points || count < 2)
        return true;
    const bool wide = lineWidth > 1;
    if (wide && gdi->Mode() != 0) {
        // Exclusive-or lines cancel where they overlap, so the run must be
        // drawn line by line to look the same.
        for (int i = 0; i + 1 < count; ++i)
            gdi->Line(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, lineWidth);
        return true;
    }
    // The run in one framework call. A wide pen has round ends and joins, so
    // the poly-line covers just the pixels of its lines drawn one by one; a
    // thin GDI poly-line leaves out the last point's pixel, which a line of
    // its own would include. A device point is an (x, y) pair of ints, as
    // the framework takes them.
    static_assert(sizeof(cf_2DPoint) == 2 * sizeof(int), "a device point is two ints");
    std::vector<cf_2DPoint> reduced;
    // A run that stays on one point is left as it is (a wide pen dots it);
    // four points or fewer are not worth the copy (short grid and tick lines).
    if (count > 4 && ReducesToColumns() && bf_PolylineReduction::Reduce(points, count, reduced) >= 2) {
        points = reduced.data();
        count = int(reduced.size());
    }
    if (!wide || !OnScreen()) {
        gdi->Polygon(count, &points[0].x, lineWidth, false, false);
        if (!wide)
            gdi->Pixel(points[count - 1].x, points[count - 1].y);
        return true;
    }
    // On the screen a wide run is handed on in short runs, each from the
    // last point of the one before. Round ends and joins make them cover
    // the same pixels; but a wide poly-line costs the system far more than
    // its length (a jagged 2000-point trace about 15 ms, the same lines in
    // runs of 16 about a tenth of that).
    for (int first = 0; first + 1 < count; first += kWideRunLines)
        gdi->Polygon(std::min(kWideRunLines + 1, count - first), &points[first].x, lineWidth, false, false);
    return true;
}

// A printer, or a recording of drawing calls, gets each run as one line.
bool bf_Display::OnScreen() const
{
    const HDC dc = gdi->DeviceContext();
    const DWORD kind = dc ? GetObjectType(dc) : 0;
    return (kind == OBJ_DC || kind == OBJ_MEMDC) && GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

// Dropping the points inside a pixel column keeps the pixels of a solid
// pen drawn in copy mode that is one or two device pixels wide (the 2-pixel
// pen's round joins stay inside the column's span; the pixel tests compare
// both widths with the full poly-line): a dotted pen's pattern would run
// differently, exclusive-or would cancel other overlaps, and wider pens are
// not known to keep their pixels.
bool bf_Display::ReducesToColumns() const
{
    const int width = gdi->MapWidth(lineWidth);
    return gdi->Mode() == 0 && gdi->LineStyleEntry(gdi->LineStyle()) == PS_SOLID && (width == -1 || width == 2);
}

bool bf_Display::Polygon(const cf_2DPoint *points, int count)
{
    if (!gdi || !points || count < 1)
        return true;
    std::vector<int> pairs;
    pairs.reserve(std::size_t(count) * 2);
    for (int i = 0; i < count; ++i) {
        pairs.push_back(points[i].x);
        pairs.push_back(points[i].y);
    }
    gdi->Polygon(count, pairs.data(), lineWidth, true, false);
    return true;
}

bool bf_Display::Rectangle(const cf_2DRect &r)
{
    if (!gdi)
        return true;
    gdi->Line(r.left, r.top, r.right, r.top, lineWidth);       // top, left to right
    gdi->Line(r.right, r.top, r.right, r.bottom, lineWidth);   // right, downwards
    gdi->Line(r.right, r.bottom, r.left, r.bottom, lineWidth); // bottom, right to left
    gdi->Line(r.left, r.bottom, r.left, r.top, lineWidth);     // left, upwards
    return true;
}

bool bf_Display::FillRectangle(const cf_2DRect &r)
{
    // Filled, as the name says (an unfilled framework rectangle is an outline).
    if (gdi)
        gdi->Rectangle(r.left, r.top, r.right, r.bottom, lineWidth, true);
    return true;
}

bool bf_Display::Circle(const cf_2DPoint &centre, int radius)
{
    if (gdi)
        gdi->Ellipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
                     0.0f, 360.0f, lineWidth, true);
    return true;
}

bool bf_Display::Ellipse(const cf_2DPoint &corner, const cf_2DPoint &opposite)
{
    if (gdi)
        gdi->Ellipse(corner.x, corner.y, opposite.x, opposite.y, 0.0f, 360.0f, lineWidth, true);
    return true;
}

bool bf_Display::EllipseBetween(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end,
                                bool fill)
{
    cf_2DPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    double from = AngleOf(centre, start);
    double to = AngleOf(centre, end);
    if (to == 0)
        to = 360;
    if (gdi)
        gdi->Ellipse(rect.left, rect.top, rect.right, rect.bottom, float(from), float(to), lineWidth,
                     fill);
    return true;
}

bool bf_Display::Pie(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end)
{
    return EllipseBetween(rect, start, end, true);
}

bool bf_Display::Arc(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end)
{
    return EllipseBetween(rect, start, end, false);
}

bf_Color bf_Display::Pixel(const cf_2DPoint &point)
{
    if (gdi)
        gdi->Pixel(point.x, point.y, -3);
    return bf_Color(0);
}

bf_Color bf_Display::Pixel(const cf_2DPoint &point, bf_Color color)
{
    if (gdi)
        gdi->Pixel(point.x, point.y, -3);
    return color;
}

bool bf_Display::Text(const cf_2DPoint &point, const wchar_t *text)
{
    if (!gdi || !text || !*text)
        return true;
    if (!extents) {
        gdi->Text(point.x, point.y, text, -1, -1, false);
        return true;
    }
    // The box the framework would measure for the text at the point.
    const cf_2DRect size = TextExtent(text, -1);
    gdi->Text(point.x, point.y, point.x + size.right - 1, point.y + size.bottom - 1, text, -1, 0, 0, -1, false);
    return true;
}

bool bf_Display::Text(const cf_2DPoint &point, const cf_String &text)
{
    return Text(point, text.Text());
}

cf_2DRect bf_Display::TextExtent(const wchar_t *text, int length) const
{
    if (!gdi || !text)
        return cf_2DRect();
    const void *font = extents ? gdi->FontHandle(gdi->Font()) : nullptr;
    cf_2DRect kept;
    if (extents && extents->Find(font, text, length, kept))
        return kept;
    ZafRegionStruct extent = gdi->TextExtent(text, length);
    const cf_2DRect measured(0, 0, extent.right - extent.left + 1, extent.bottom - extent.top + 1);
    if (extents) {
        extents->CountMeasurement();
        extents->Keep(font, text, length, measured);
    }
    return measured;
}

cf_2DRect bf_Display::TextExtent(const cf_String &text) const
{
    return TextExtent(text.Text(), text.Length());
}
