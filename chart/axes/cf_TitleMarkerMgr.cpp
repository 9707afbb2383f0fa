#include "chart/axes/cf_TitleMarkerMgr.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/axes/cf_EngineFrame.h"
#include "chart/model/cf_ChartModel.h"

cf_TitleMarkerMgr::cf_TitleMarkerMgr(cf_EngineFrame *owner, const cf_GridFaces &gridFaces)
    : cf_3DTextMarkerSeries(owner), faces(gridFaces)
{
}

void cf_TitleMarkerMgr::ClearMarkers()
{
    cf_3DTextMarkerSeries::ClearMarkers();
    title = subTitle = nullptr;
    axisTitleA = axisTitleB = axisTitleLeftY = axisTitleBackY = nullptr;
    axisTitleLeftZ = axisTitleBottomZ = axisTitlePolar = nullptr;
}

cf_3DTextMarker *cf_TitleMarkerMgr::BuildTitle(cf_DataGroup *item)
{
    const cf_XYZ *first = item->Value(1);
    cf_3DTextMarker *marker = AddMarkerAt(first->X(), first->Y(), first->Z());
    marker->SetText(item->Name().Text());
    marker->SetDispAttribs(&item->DispAttribs());
    marker->SetTextAttribs(&item->TextAttribs());
    return marker;
}

void cf_TitleMarkerMgr::Build(cf_ChartModel *model)
{
    ClearMarkers();
    if (!model)
        return;
    title = BuildTitle(model->TitleItem(1));
    subTitle = BuildTitle(model->TitleItem(2));
    // Face series, the model's axis title item, and the reference filled.
    struct Step {
        int face;
        int item;
        cf_3DTextMarker *cf_TitleMarkerMgr::*reference;
    };
    static const Step steps[] = {
        {2, 2, &cf_TitleMarkerMgr::axisTitleA},       {1, 1, &cf_TitleMarkerMgr::axisTitleB},
        {4, 4, &cf_TitleMarkerMgr::axisTitleLeftY},   {3, 3, &cf_TitleMarkerMgr::axisTitleBackY},
        {5, 5, &cf_TitleMarkerMgr::axisTitleBottomZ}, {6, 6, &cf_TitleMarkerMgr::axisTitleLeftZ},
        {7, 7, &cf_TitleMarkerMgr::axisTitlePolar},
    };
    for (const Step &step : steps) {
        cf_3DGridTickSeries *series = faces.face[step.face];
        if (!series)
            continue;
        cf_DataGroup *item = model->AxisTitleItem(step.item);
        cf_3DTextMarker *marker = series->TitleMarker();
        marker->SetText(item->Name().Text());
        marker->SetDispAttribs(&item->DispAttribs());
        marker->SetTextAttribs(&item->TextAttribs());
        const cf_XYZ *first = item->Value(1);
        series->ProjectTitlePoint3(first->X(), first->Y(), first->Z());
        this->*step.reference = marker;
    }
}

void cf_TitleMarkerMgr::DrawFormB(bf_Display *display)
{
    cf_3DTextMarker *const all[] = {title,          subTitle,       axisTitleA,       axisTitleB,    axisTitleLeftY,
                                    axisTitleBackY, axisTitleLeftZ, axisTitleBottomZ, axisTitlePolar};
    for (cf_3DTextMarker *marker : all)
        if (marker && !DrawnByItsSeries(marker))
            marker->DrawFormB(display);
}

bool cf_TitleMarkerMgr::DrawnByItsSeries(const cf_3DTextMarker *marker) const
{
    if (engine && !engine->DrawsGridSeries())
        return false;
    for (cf_3DGridTickSeries *series : faces.face)
        if (series && series->TitleMarker() == marker && series->IsShown())
            return true;
    return false;
}

cf_3DTextMarker *cf_TitleMarkerMgr::OwnTitle(cf_3DTextMarker *&slot, double y, double z, const wchar_t *text)
{
    if (!slot) {
        slot = AddTextMarker(0, y, z, text);
        slot->CreateDispAttribs();
        slot->CreateTextAttribs();
    }
    return MakeCurrent(slot);
}

cf_3DTextMarker *cf_TitleMarkerMgr::FaceTitle(cf_3DTextMarker *&slot, int face)
{
    if (!slot && faces.face[face])
        slot = faces.face[face]->TitleMarker();
    return MakeCurrent(slot);
}

cf_3DTextMarker *cf_TitleMarkerMgr::SelectTitle() { return OwnTitle(title, 120, -120, L"Chart Title"); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectSubTitle() { return OwnTitle(subTitle, 118, 0, L"(optional sub-title)"); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectBackXTitle() { return FaceTitle(axisTitleA, 1); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectBottomXTitle() { return FaceTitle(axisTitleB, 2); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectLeftYTitle() { return FaceTitle(axisTitleLeftY, 4); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectBackYTitle() { return FaceTitle(axisTitleBackY, 3); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectLeftZTitle() { return FaceTitle(axisTitleLeftZ, 6); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectBottomZTitle() { return FaceTitle(axisTitleBottomZ, 5); }
cf_3DTextMarker *cf_TitleMarkerMgr::SelectPolarTitle() { return FaceTitle(axisTitlePolar, 7); }
