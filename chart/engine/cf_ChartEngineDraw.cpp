// cf_ChartEngine: drawing the scene.

#include "chart/engine/cf_ChartEngine.h"

#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Display.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DBitmap.h"

void cf_ChartEngine::Draw(bf_Display *display)
{
    if (!display)
        return;
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
    }
    if (projectionChanged || !kernel->IsProjCurrent()) {
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
