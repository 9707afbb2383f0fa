#include "chart/kinds/cf_eng_CartXYZ.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/model/cf_DataGroup.h"
#include "chart/engine/cf_GroupLayout.h"
#include "chart/solids/cf_3DPhedraSeries.h"
#include "chart/solids/cf_3DSurface.h"
#include "chart/scene/cf_3DPointSeries.h"

#include <initializer_list>
#include <algorithm>
#include <vector>

cf_eng_CartXYZ::cf_eng_CartXYZ(int type, int dim) : cf_ChartEngine(type, dim)
{
    FollowOrigin();
    SetPerspective(0);
    SetRotation(20, -30);
    SetBoxProportions(100, 50);
}

void cf_eng_CartXYZ::CreateGridFaces()
{
    for (cf_3DGridTickSeries *series : {BottomFaceX(), LeftFaceY()}) {
        series->Show();
        series->SetScaleSource(series == BottomFaceX() ? 5 : 6);
        series->SetLabelStep(1);
        series->SetGridStep(1);
    }
}

void cf_eng_CartXYZ::BuildFromModel(cf_ChartModel *model)
{
    cf_ChartEngine::BuildFromModel(model);
    UpdateAxisLabels(model);
    AddPlaceholders(model);
}

void cf_eng_CartXYZ::DrawWalls(bf_Display *display)
{
    cf_ChartEngine::DrawWalls(display);
    DrawLists(display, false);
}

void cf_eng_CartXYZ::DrawWallsAndBitmap(bf_Display *display)
{
    cf_ChartEngine::DrawWallsAndBitmap(display);
    DrawLists(display, true);
}

void cf_eng_CartXYZ::SetDataBox()
{
    DataBoxFromKernel();
    bool started = false;
    auto widen = [this, &started](const cf_Virt3DObj &object) {
        const double low[3] = {object.WorkMinX(), object.WorkMinY(), object.WorkMinZ()};
        const double high[3] = {object.WorkMaxX(), object.WorkMaxY(), object.WorkMaxZ()};
        for (int axis = 0; axis < 3; ++axis) {
            dataBox[axis] = started ? std::min(dataBox[axis], low[axis]) : low[axis];
            dataBox[axis + 3] = started ? std::max(dataBox[axis + 3], high[axis]) : high[axis];
        }
        started = true;
    };
    for (cf_Virt3DObj *object : lists[2])
        widen(*object);
    for (cf_Virt3DObj *object : lists[1])
        widen(*object);
    for (int axis = 0; axis < 3; ++axis) {
        double low = dataRange[2 * axis], high = dataRange[2 * axis + 1];
        if (!(low <= 0 && 0 <= high))
            continue;
        if (low == 0 && origin[axis] < dataBox[axis])
            dataBox[axis] = origin[axis];
        if (high == 0 && dataBox[axis + 3] < origin[axis])
            dataBox[axis + 3] = origin[axis];
    }
}

void cf_eng_CartXYZ::AddGroupPoints(cf_3DPointSeries &series, cf_DataGroup &group, int g, int mode)
{
    double z = mode == 3 ? group.ZMin() : g - 1;
    int n = group.Count();
    std::vector<double> xs(static_cast<std::size_t>(n)), ys(static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j) {
        const cf_XYZ *value = group.Value(j);
        xs[std::size_t(j - 1)] = mode == 3 ? value->X() : mode == 2 ? j - 1 : j;
        ys[std::size_t(j - 1)] = value->Y();
    }
    series.AddPointsXYZ(xs.data(), ys.data(), z, n);
}

void cf_eng_CartXYZ::BuildGroupSeries(cf_ChartModel *model, SeriesMaker makeSeries)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        for (int g = m.FirstGroup(); g <= m.LastGroup(); ++g) {
            cf_DataGroup *group = m.Group(g);
            if (!group || !group->HasValues())
                continue;
            cf_3DPointSeries *series = makeSeries(*group);
            AddGroupPoints(*series, *group, g, m.ValueMode());
            AddDataObject(series);
        }
    });
}

void cf_eng_CartXYZ::BuildGroupSurfaces(cf_ChartModel *model, SurfaceFiller fill)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        const int mode = m.ValueMode();
        const double h = m.XStep() * 0.5 * barWidth;
        for (int g = m.FirstGroup(); g <= m.LastGroup(); ++g) {
            cf_DataGroup *group = m.Group(g);
            if (!group || group->Count() < 2)
                continue;
            auto *surface = new cf_3DSurface(&group->DispAttribs());
            surface->SetCullBackFaces(0);
            const double zc = mode == 3 ? group->Value(1)->Z() : cf_GroupLayout::RowDepth(g);
            fill(*surface, *group, mode, zc - h, zc + h);
            AddDataObject(surface);
        }
    });
}

void cf_eng_CartXYZ::BuildGroupBoxes(cf_ChartModel *model, bool columns)
{
    BuildFrame(model, [&](cf_ChartModel &m) {
        for (int g = m.FirstGroup(); g <= m.LastGroup(); ++g)
            if (cf_3DPhedraSeries *series = cf_GroupLayout::BoxSeries(m, g, barWidth, columns))
                AddDataObject(series);
    });
}
