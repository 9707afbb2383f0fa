#include "chart/axes/cf_3DTextMarkerSeries.h"

#include "chart/axes/cf_EngineFrame.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/values/cf_Extent.h"

cf_3DTextMarkerSeries::cf_3DTextMarkerSeries(cf_EngineFrame *owner) : engine(owner), markers(1)
{
    markers.Grow(25);
}

cf_3DTextMarkerSeries::~cf_3DTextMarkerSeries()
{
    ClearMarkers();
}

cf_3DTextMarker *cf_3DTextMarkerSeries::Marker(int n) const
{
    return cf_SlotAt<cf_3DTextMarker>(markers, n, markerCount);
}

void cf_3DTextMarkerSeries::ClearMarkers()
{
    cf_DeleteSlots<cf_3DTextMarker>(markers, markerCount);
    markerCount = 0;
    current = nullptr;
}

cf_3DTextMarker *cf_3DTextMarkerSeries::Select(int n)
{
    if (markerCount == 0)
        AddDefaultMarker();
    if (n < 1 || n > markerCount)
        n = 1;
    return current = Marker(n);
}

cf_3DTextMarker *cf_3DTextMarkerSeries::AddMarker(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3)
{
    auto *marker = new cf_3DTextMarker(p1, p2, p3);
    marker->SetTextAttribs(TextAttribs());
    markers.At(++markerCount) = marker;
    return current = marker;
}

cf_3DTextMarker *cf_3DTextMarkerSeries::AddDefaultMarker()
{
    return AddMarker(new cf_3DPoint, new cf_3DPoint, new cf_3DPoint);
}

cf_3DTextMarker *cf_3DTextMarkerSeries::AddMarkerAt(double x, double y, double z)
{
    AddDefaultMarker();
    PlacePoint3(x, y, z);
    return current;
}

cf_3DTextMarker *cf_3DTextMarkerSeries::AddNumberMarker(double x, double y, double z, double value)
{
    AddMarkerAt(x, y, z)->SetNumberText(value, L"%g");
    return current;
}

cf_3DTextMarker *cf_3DTextMarkerSeries::AddTextMarker(double x, double y, double z, const wchar_t *text)
{
    AddMarkerAt(x, y, z)->SetText(text);
    return current;
}

int cf_3DTextMarkerSeries::PlacePoint(cf_3DPoint *(cf_3DTextMarker::*which)() const, double x, double y,
                                      double z)
{
    if (!current || !engine)
        return 0;
    engine->PlaceObject((current->*which)(), x, y, z, 0);
    return 1;
}

int cf_3DTextMarkerSeries::PlacePoint1(double x, double y, double z)
{
    return PlacePoint(&cf_3DTextMarker::Point1, x, y, z);
}

int cf_3DTextMarkerSeries::PlacePoint2(double x, double y, double z)
{
    return PlacePoint(&cf_3DTextMarker::Point2, x, y, z);
}

int cf_3DTextMarkerSeries::PlacePoint3(double x, double y, double z)
{
    return PlacePoint(&cf_3DTextMarker::Point3, x, y, z);
}

void cf_3DTextMarkerSeries::Build(cf_ChartModel *model)
{
    ClearMarkers();
    if (!model)
        return;
    for (int n = 1; n <= model->LegendCount(); ++n) {
        cf_DataGroup *entry = model->LegendEntry(n);
        const cf_XYZ *first = entry->Value(1);
        cf_3DTextMarker *marker = AddMarkerAt(first->X(), first->Y(), first->Z());
        // A copy of the name: the drawn text is the same and outlives nothing.
        marker->SetText(entry->Name().Text());
        marker->SetDispAttribs(&entry->DispAttribs());
        marker->SetTextAttribs(&entry->TextAttribs());
    }
}

void cf_3DTextMarkerSeries::SetAxisColor(bf_Color color)
{
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->TextAttribs()->SetBackColor(color);
}

void cf_3DTextMarkerSeries::Transform(const cf_Kernel &kernel)
{
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->Transform(kernel);
}

void cf_3DTextMarkerSeries::Project(const cf_Kernel &kernel)
{
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->Project(kernel);
}

void cf_3DTextMarkerSeries::Scale(double sx, double sy, double sz)
{
    double saved[3] = {offset[0], offset[1], offset[2]};
    Translate(-saved[0], -saved[1], -saved[2]);
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->Scale(sx, sy, sz);
    cf_ScaleBounds(bounds, scale, sx, sy, sz);
    Translate(saved[0], saved[1], saved[2]);
}

void cf_3DTextMarkerSeries::Translate(double dx, double dy, double dz)
{
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->Translate(dx, dy, dz);
    cf_MoveBounds(bounds, offset, dx, dy, dz);
}

void cf_3DTextMarkerSeries::DrawFormB(bf_Display *display)
{
    if (!shown)
        return;
    for (int n = 1; n <= markerCount; ++n)
        Marker(n)->DrawFormB(display);
}
