#pragma once
// cf_TitleMarkerMgr: the chart's title, sub-title and seven axis titles as
// one scene object. The title and sub-title are markers of its own list;
// the axis titles are the title markers of the engine's grid and tick
// series, which it only refers to (they must outlive its use of them).
// Owned by the engine; GUI thread only.

#include "chart/axes/cf_3DTextMarkerSeries.h"

class cf_3DGridTickSeries;
class cf_DataGroup;

// The engine's seven grid and tick series, by face number 1..7 (index 0
// unused); the manager reads their title markers.
struct cf_GridFaces {
    cf_3DGridTickSeries *face[8] = {};
};

class cf_TitleMarkerMgr : public cf_3DTextMarkerSeries {
public:
    cf_TitleMarkerMgr(cf_EngineFrame *engine, const cf_GridFaces &faces);

    // Title and sub-title from the model's title items; the axis titles of
    // the seven faces from its axis title items.
    void Build(cf_ChartModel *model) override;
    // Deletes the own markers and forgets every reference.
    void ClearMarkers() override;
    void DrawFormA(bf_Display *display) override { DrawFormB(display); }
    // Draws the nine referenced markers that exist, in reference order;
    // an axis title whose grid series is shown is left to that series when
    // the engine draws its grid series, so no title is drawn twice or never.
    void DrawFormB(bf_Display *display) override;

    // Make a title marker current (made on first use); the series'
    // placement operations then act on it.
    cf_3DTextMarker *SelectTitle();
    cf_3DTextMarker *SelectSubTitle();
    cf_3DTextMarker *SelectBackXTitle();
    cf_3DTextMarker *SelectBottomXTitle();
    cf_3DTextMarker *SelectLeftYTitle();
    cf_3DTextMarker *SelectBackYTitle();
    cf_3DTextMarker *SelectLeftZTitle();
    cf_3DTextMarker *SelectBottomZTitle();
    cf_3DTextMarker *SelectPolarTitle();

    cf_3DTextMarker *Title() const { return title; }
    cf_3DTextMarker *SubTitle() const { return subTitle; }

private:
    cf_3DTextMarker *OwnTitle(cf_3DTextMarker *&slot, double y, double z, const wchar_t *text);
    cf_3DTextMarker *FaceTitle(cf_3DTextMarker *&slot, int face);
    cf_3DTextMarker *BuildTitle(cf_DataGroup *item);
    bool DrawnByItsSeries(const cf_3DTextMarker *marker) const;

    cf_GridFaces faces;
    cf_3DTextMarker *title = nullptr;
    cf_3DTextMarker *subTitle = nullptr;
    cf_3DTextMarker *axisTitleA = nullptr;
    cf_3DTextMarker *axisTitleB = nullptr;
    cf_3DTextMarker *axisTitleLeftY = nullptr;
    cf_3DTextMarker *axisTitleBackY = nullptr;
    cf_3DTextMarker *axisTitleLeftZ = nullptr;
    cf_3DTextMarker *axisTitleBottomZ = nullptr;
    cf_3DTextMarker *axisTitlePolar = nullptr;
};
