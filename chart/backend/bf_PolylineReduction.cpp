#include "chart/backend/bf_PolylineReduction.h"

namespace {

void Append(std::vector<cf_2DPoint> &out, const cf_2DPoint &point)
{
    if (out.empty() || out.back() != point)
        out.push_back(point);
}

// The run points[first .. last] of one column: its first point, its lowest
// and highest in the order they come, and its last point.
void AppendColumn(const cf_2DPoint *points, int first, int last, std::vector<cf_2DPoint> &out)
{
    int low = first, high = first;
    for (int i = first + 1; i <= last; ++i) {
        if (points[i].y < points[low].y)
            low = i;
        if (points[i].y > points[high].y)
            high = i;
    }
    Append(out, points[first]);
    Append(out, points[low < high ? low : high]);
    Append(out, points[low < high ? high : low]);
    Append(out, points[last]);
}

} // namespace

int bf_PolylineReduction::Reduce(const cf_2DPoint *points, int count, std::vector<cf_2DPoint> &out)
{
    out.clear();
    if (!points || count <= 0)
        return 0;
    int first = 0;
    for (int i = 1; i <= count; ++i) {
        if (i < count && points[i].x == points[first].x)
            continue;
        AppendColumn(points, first, i - 1, out);
        first = i;
    }
    return int(out.size());
}
