// cf_ChartEngine: construction, the owned objects and the settings.

#include "chart/engine/cf_ChartEngine.h"

#include "chart/axes/cf_3DGTS_AutoMark.h"
#include "chart/axes/cf_TitleMarkerMgr.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DBitmap.h"

#include <cstddef>
#include <initializer_list>

cf_ChartEngine::cf_ChartEngine(int type, int dim) : dimension(dim)
{
    kernel = new cf_Kernel(100, 100, 100);
    origin[0] = kernel->XMin();
    origin[1] = kernel->YMin();
    origin[2] = kernel->ZMin();
    cf_ChartEngine::FollowOrigin();
    chartType = type;
    cf_ChartEngine::InitLists();
    cf_ChartEngine::BuildWalls();
    cf_ChartEngine::InitAttributes();
    cf_ChartEngine::CreateGridFaces();
    cf_ChartEngine::ResetMarkers();
}

cf_ChartEngine::~cf_ChartEngine()
{
    if (ownsKernel)
        delete kernel;
    delete wallBitmap;
    for (cf_DispAttribs *&attribs : wallAttribs) {
        delete attribs;
        attribs = nullptr;
    }
    for (auto &list : lists) {
        for (cf_Virt3DObj *object : list)
            delete object;
        list.clear();
    }
}

void cf_ChartEngine::AddToList(int index, cf_Virt3DObj *object)
{
    if (!object)
        return;
    object->Translate(origin[0], origin[1], origin[2]);
    lists[index].push_back(object);
    SetPipelineFlags();
}

void cf_ChartEngine::InitLists()
{
    static const std::size_t capacities[4] = {10, 100, 100, 100};
    for (int i = 0; i < 4; ++i) {
        lists[i].clear();
        lists[i].reserve(capacities[i]);
    }
}

void cf_ChartEngine::ResetMarkers()
{
    titles = nullptr;
    notes = nullptr;
}

void cf_ChartEngine::TakeKernelBox()
{
    boxExtent[0] = kernel->XExtent();
    boxExtent[1] = kernel->YExtent();
    boxExtent[2] = kernel->ZExtent();
}

void cf_ChartEngine::BuildWalls()
{
    using Corners = void (cf_Kernel::*)(double *, double *, double *) const;
    const Corners faceCorners[3] = {&cf_Kernel::BackFaceCorners, &cf_Kernel::LeftFaceCorners,
                                    &cf_Kernel::BottomFaceCorners};
    kernel->UpdateGeometry();
    for (int wall : {1, 0, 2}) {
        double xs[4], ys[4], zs[4];
        (kernel->*faceCorners[wall])(xs, ys, zs);
        walls[wall].Clear();
        for (int i = 0; i < 4; ++i)
            walls[wall].AddPoint(new cf_3DPoint(xs[i], ys[i], zs[i]));
        walls[wall].Transform(*kernel);
    }
    TakeKernelBox();
    savedView[0] = kernel->Elevation();
    savedView[1] = kernel->Rotation();
    savedView[2] = kernel->Roll();
    savedView[3] = kernel->Perspective();
}

void cf_ChartEngine::InitAttributes()
{
    for (cf_3DPoint &marker : markers)
        marker.SetVisible(0);
    framePlot = outlineOnly = displayFlagA = displayFlagB = 0;
    wallShown[0] = wallShown[1] = wallShown[2] = 1;
    const unsigned char fills[3] = {7, 7, 8}; // back wall, left wall, floor
    for (int i = 0; i < 3; ++i) {
        delete wallAttribs[i];
        wallAttribs[i] = new cf_DispAttribs;
        wallAttribs[i]->SetLineWidth(1);
        wallAttribs[i]->SetFillColor(bf_Color(fills[i]));
        walls[i].SetDispAttribs(wallAttribs[i]);
    }
    bitmapName.Clear();
    bitmapEnabled = 0;
    wallBitmapShown = 0;
    delete wallBitmap;
    wallBitmap = new cf_3DBitmap(kernel);
}

void cf_ChartEngine::CreateGridFaces()
{
    // Made and listed in this order; the sources by chart type follow it.
    static const int order[7] = {1, 2, 4, 3, 6, 5, 7};
    static const int cartesian[7] = {5, 5, 6, 6, 4, 4, 0};
    static const int bar[7] = {6, 6, 5, 5, 4, 4, 0};
    static const int pie[7] = {0, 0, 0, 0, 0, 0, 4};
    static const int stacked[7] = {5, 5, 7, 7, 4, 4, 0};
    const int *sources = chartType == 2 ? bar : chartType == 5 || chartType == 9 ? pie
                                           : chartType == 8                        ? stacked
                                                                                   : cartesian;
    faces[1] = new cf_3DGTS_AutoMarkBackFaceX(this);
    faces[2] = new cf_3DGTS_AutoMarkBottomFaceX(this);
    faces[3] = new cf_3DGTS_AutoMarkBackFaceY(this);
    faces[4] = new cf_3DGTS_AutoMarkLeftFaceY(this);
    faces[5] = new cf_3DGTS_AutoMarkBottomFaceZ(this);
    faces[6] = new cf_3DGTS_AutoMarkLeftFaceZ(this);
    faces[7] = new cf_3DGTS_AutoMarkPolarFloor(this);
    for (int i = 0; i < 7; ++i) {
        cf_3DGridTickSeries *series = faces[order[i]];
        AddGridSeries(series);
        series->Hide();
        series->SetScaleSource(sources[i]);
    }
}

bool cf_ChartEngine::SetKernel(cf_Kernel *newKernel, bool deleteOld, bool own)
{
    if (!newKernel)
        return false;
    if (deleteOld && ownsKernel && kernel != newKernel)
        delete kernel;
    kernel = newKernel;
    ownsKernel = own;
    if (wallBitmap)
        wallBitmap->SetKernel(kernel);
    return true;
}

cf_3DGridTickSeries *cf_ChartEngine::GridSeries(int face) const
{
    return faces[face >= 1 && face <= 7 ? face : 2];
}

cf_TitleMarkerMgr *cf_ChartEngine::Titles()
{
    if (!titles) {
        cf_GridFaces gridFaces;
        for (int face = 1; face <= 7; ++face)
            gridFaces.face[face] = faces[face];
        titles = new cf_TitleMarkerMgr(this, gridFaces);
        AddManagerObject(titles);
    }
    return titles;
}

cf_3DTextMarkerSeries *cf_ChartEngine::Notes()
{
    if (!notes) {
        notes = new cf_3DTextMarkerSeries(this);
        AddManagerObject(notes);
    }
    return notes;
}

cf_DispAttribs *cf_ChartEngine::WallDispAttribs(int n) const
{
    return n == 2 ? wallAttribs[1] : n == 1 ? wallAttribs[2] : wallAttribs[0];
}

void cf_ChartEngine::SetWallLineColor(bf_Color c)
{
    for (cf_DispAttribs *attribs : wallAttribs)
        attribs->SetLineColor(c);
}

bool cf_ChartEngine::WallBitmapHasImage() const
{
    return wallBitmap && wallBitmap->HasFile();
}

void cf_ChartEngine::SetWallBitmapImage(const wchar_t *fileName)
{
    if (wallBitmap)
        wallBitmap->SetFileName(fileName);
}

void cf_ChartEngine::ClearWallBitmapImage()
{
    if (wallBitmap)
        wallBitmap->SetFileName(L"");
}

bool cf_ChartEngine::SetDimension(int d)
{
    dimension = d;
    if (d != 1 && d != 2)
        return false;
    SetViewMode(d);
    return true;
}

void cf_ChartEngine::SetAxisColor(bf_Color color)
{
    axisColor = color;
    for (int face = 1; face <= 7; ++face)
        if (faces[face])
            faces[face]->SetAxisColor(color);
    if (titles)
        titles->SetAxisColor(color);
    if (notes)
        notes->SetAxisColor(color);
}

bool cf_ChartEngine::SetBarWidth(double percent)
{
    bool inRange = percent >= 0 && percent <= 100;
    double clamped = percent < 0 ? 0 : percent > 100 ? 100 : inRange ? percent : 100;
    barWidth = clamped * 0.01;
    geometryChanged = 1;
    return inRange;
}

void cf_ChartEngine::SetPerspective(double value)
{
    kernel->SetPerspective(value < 0 ? 0 : value > 100 ? 100 : value);
    geometryChanged = 1;
}

bool cf_ChartEngine::SetRotation(double elevation, double rotation)
{
    double e = elevation < 0 ? 0 : elevation > 90 ? 90 : elevation;
    double r = rotation < -90 ? -90 : rotation > 0 ? 0 : rotation;
    kernel->SetViewAngles(e, r);
    savedView[0] = e;
    savedView[1] = r;
    geometryChanged = 1;
    return e == elevation && r == rotation;
}

void cf_ChartEngine::SetBoxProportions(double yPercent, double zPercent)
{
    boxProportion[0] = yPercent * 0.01;
    boxProportion[1] = zPercent * 0.01;
    double s = 2 * kernel->XMax();
    kernel->SetCubeSize(s, s * boxProportion[0], s * boxProportion[1]);
    Relayout();
    geometryChanged = 1;
}

void cf_ChartEngine::EnterFlatView(double elevation)
{
    savedView[0] = kernel->Elevation();
    savedView[1] = kernel->Rotation();
    savedView[2] = kernel->Roll();
    savedView[3] = kernel->Perspective();
    kernel->SetViewAngles(elevation, 0);
    kernel->SetPerspective(0);
    if (dimension == 2)
        geometryChanged = 1;
}

bool cf_ChartEngine::SetViewMode(int mode)
{
    if (mode == 1) {
        EnterFlatView(0);
        return true;
    }
    if (mode == 2) {
        kernel->SetViewAngles(savedView[0], savedView[1]);
        kernel->SetPerspective(savedView[3]);
        if (dimension == 1)
            geometryChanged = 1;
        return true;
    }
    return false;
}
