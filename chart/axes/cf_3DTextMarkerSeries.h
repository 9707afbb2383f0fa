#pragma once
// cf_3DTextMarkerSeries: a list of text markers (numbered from 1, owned)
// placed in percent of the engine's box. The engine keeps one as its note
// series: Build makes one marker per legend entry of the model, at the
// entry's first value and labelled with its name. Owned by its engine; GUI
// thread only.

#include "chart/axes/cf_3DTextMarker.h"
#include "chart/values/cf_DyArr.h"

class cf_ChartModel;
class cf_EngineFrame;

class cf_3DTextMarkerSeries : public cf_Virt3DObj {
public:
    explicit cf_3DTextMarkerSeries(cf_EngineFrame *engine);
    cf_3DTextMarkerSeries(const cf_3DTextMarkerSeries &) = delete;
    cf_3DTextMarkerSeries &operator=(const cf_3DTextMarkerSeries &) = delete;
    ~cf_3DTextMarkerSeries() override;

    // Rebuilds the markers from the model's legend entries.
    virtual void Build(cf_ChartModel *model);
    // The back colour of every marker's text attributes.
    virtual void SetAxisColor(bf_Color color);
    // Deletes every marker; no marker is current afterwards.
    virtual void ClearMarkers();

    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    void DrawFormA(bf_Display *display) override { DrawFormB(display); }
    void DrawFormB(bf_Display *display) override;

    // Makes marker n current (n outside 1..count means 1; an empty series
    // first gets a default marker) and answers it.
    cf_3DTextMarker *Select(int n);
    // Appends a marker on the points (adopted), with the series' text
    // attributes borrowed; it becomes current.
    cf_3DTextMarker *AddMarker(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3);
    cf_3DTextMarker *AddDefaultMarker();
    // A default marker whose third point is placed at (x, y, z) percent.
    cf_3DTextMarker *AddMarkerAt(double x, double y, double z);
    cf_3DTextMarker *AddNumberMarker(double x, double y, double z, double value);
    cf_3DTextMarker *AddTextMarker(double x, double y, double z, const wchar_t *text);
    // Place a point of the current marker at a percent position; 1 when
    // there is a current marker, else 0.
    int PlacePoint1(double x, double y, double z = 0);
    int PlacePoint2(double x, double y, double z = 0);
    int PlacePoint3(double x, double y, double z = 0);

    int MarkerCount() const { return markerCount; }
    cf_3DTextMarker *Marker(int n) const;
    cf_3DTextMarker *Current() const { return current; }
    void Show() { shown = 1; }
    void Hide() { shown = 0; }
    bool IsShown() const { return shown != 0; }
    unsigned char SetShown(unsigned char flag) { return shown = flag; }

protected:
    cf_3DTextMarker *MakeCurrent(cf_3DTextMarker *marker) { return current = marker; }
    int PlacePoint(cf_3DPoint *(cf_3DTextMarker::*which)() const, double x, double y, double z);

    cf_EngineFrame *engine;

private:
    cf_DyArr markers;
    int markerCount = 0;
    cf_3DTextMarker *current = nullptr;
    unsigned char shown = 1;
    double offset[3] = {0, 0, 0};
    double scale[3] = {1, 1, 1};
    double bounds[6] = {0, 0, 0, 0, 0, 0};
};
