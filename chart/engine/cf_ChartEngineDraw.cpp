// cf_ChartEngine: drawing the scene.

#include "chart/engine/cf_ChartEngine.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DBitmap.h"

#include <algorithm>

void cf_ChartEngine::UpdateForDrawing(bf_Display *display, bool reprojectOnGeometry)
{
    if (!prepared) {
        kernel->UpdateGeometry();
        UpdateGeometry();
        kernel->Prepare(display);
        Project();
        Refresh();
        prepared = 1;
    }
    if (geometryChanged || kernel->IsChanged()) {
        kernel->UpdateGeometry();
        UpdateGeometry();
        if (reprojectOnGeometry)
            projectionChanged = 1;
    }
    if (projectionChanged || !kernel->IsProjCurrent()) {
        kernel->Prepare(display);
        Project();
        Refresh();
    }
}

void cf_ChartEngine::Draw(bf_Display *display)
{
    if (!display)
        return;
    UpdateForDrawing(display, false);
    // The texts' room depends on the plot's size (tick lengths are shares of
    // it, a title may stand at its middle): a few passes settle it.
    for (int pass = 0; pass < 5 && FitTextsAroundPlot(display); ++pass) {
        kernel->Prepare(display);
        Project();
        Refresh();
    }
    if (!outlineOnly) {
        cf_2DRect deviceRect;
        display->DeviceRect(deviceRect);
        if (bitmapEnabled && HasBitmapName()) {
            bf_2DBitmap background(bitmapName.Text(), display);
            display->DrawBitmap(cf_2DPoint(deviceRect.left, deviceRect.top), &background);
        }
        if (framePlot) {
            display->SelectPen(new bf_Pen(bf_Color(0), 1, 1));
            display->Rectangle(kernel->PlotRect());
            delete display->PopPen();
        }
    }
    if (dimension == 2)
        DrawWallsAndBitmap(display);
    else
        DrawWalls(display);
    for (int n : {2, 0, 1})
        if (markers[n].Visible())
            markers[n].DrawFormB(display);
}

bool cf_ChartEngine::FitTextsAroundPlot(bf_Display *display)
{
    if (!DrawsGridSeries())
        return false;
    // How far the texts reach past each edge of the display (negative: the
    // room they leave).
    const cf_2DRect &shown = kernel->DisplayRect();
    const int far = -(shown.Width() + shown.Height());
    cf_2DRect past(far, far, far, far);
    bool any = false;
    auto take = [&](const cf_2DRect &box) {
        any = true;
        past.left = std::max(past.left, shown.left - box.left);
        past.top = std::max(past.top, shown.top - box.top);
        past.right = std::max(past.right, box.right - shown.right);
        past.bottom = std::max(past.bottom, box.bottom - shown.bottom);
    };
    for (int face = 1; face <= 7; ++face) {
        if (!faces[face] || !faces[face]->IsShown())
            continue;
        const cf_3DGridTickSeries::TextLayout layout = faces[face]->LayOutTexts(display);
        if (layout.hasLabels)
            take(layout.labels);
        if (layout.hasTitle)
            take(layout.title);
    }
    if (!any)
        return false;
    // The room each side needs: what the plot leaves now, plus what the
    // texts reach past the edge (less what they leave), never below 0.
    const cf_2DRect &plot = kernel->PlotRect();
    const cf_2DRect need(std::max(0, plot.left - shown.left + past.left), std::max(0, plot.top - shown.top + past.top),
                         std::max(0, shown.right - plot.right + past.right),
                         std::max(0, shown.bottom - plot.bottom + past.bottom));
    // A pixel or two either way is the tick lengths following the plot.
    const cf_2DRect &floor = kernel->MarginFloor();
    auto settled = [](int now, int wanted) { return wanted <= now && wanted >= now - 2; };
    if (settled(floor.left, need.left) && settled(floor.top, need.top) && settled(floor.right, need.right) &&
        settled(floor.bottom, need.bottom))
        return false;
    kernel->SetMarginFloor(need);
    return !kernel->IsProjCurrent();
}

void cf_ChartEngine::DrawWalls(bf_Display *display)
{
    for (int i = 0; i < 3; ++i) {
        if (!wallShown[i])
            continue;
        if (outlineOnly)
            walls[i].DrawOutline(display);
        else
            walls[i].DrawFormB(display);
    }
}

void cf_ChartEngine::DrawWallsAndBitmap(bf_Display *display)
{
    cf_ChartEngine::DrawWalls(display);
    if (wallBitmapShown && wallBitmap && wallBitmap->HasFile()) {
        wallBitmap->DrawFormB(display);
        walls[1].DrawOutline(display);
    }
}

void cf_ChartEngine::DrawLists(bf_Display *display, bool formB)
{
    for (auto &list : lists)
        for (cf_Virt3DObj *object : list) {
            if (formB)
                object->DrawFormB(display);
            else
                object->DrawFormA(display);
        }
}
