// cf_ChartEngine: the pipeline over the scene objects, the data ranges and
// the mapping of the data box onto the plot box.

#include "chart/engine/cf_ChartEngine.h"

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/axes/cf_TitleMarkerMgr.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/values/cf_Constants.h"

#include <initializer_list>
#include <cmath>

void cf_ChartEngine::Refresh()
{
    ForAllObjects([this](cf_Virt3DObj &object) { object.Setup(*kernel); });
    needsRefresh = 0;
}

void cf_ChartEngine::UpdateGeometry()
{
    kernel->UpdateGeometry();
    ForAllObjects([this](cf_Virt3DObj &object) { object.Transform(*kernel); });
    for (cf_3DPoint &marker : markers)
        marker.Transform(*kernel);
    geometryChanged = 0;
    projectionChanged = 1;
}

void cf_ChartEngine::Project()
{
    if (kernel->IsProjCurrent()) {
        ForAllObjects([this](cf_Virt3DObj &object) { object.Project(*kernel); });
        for (cf_3DPoint &marker : markers)
            marker.Project(*kernel);
    }
    projectionChanged = 0;
}

void cf_ChartEngine::Relayout()
{
    FollowOrigin();
    RescaleWalls();
    SetDataBox();
    ComputeScale();
    ComputeOffset();
    ApplyScale();
    ApplyOffset();
}

void cf_ChartEngine::DeleteDataObjects()
{
    for (int index : {1, 2}) {
        for (cf_Virt3DObj *object : lists[index])
            delete object;
        lists[index].clear();
    }
}

void cf_ChartEngine::BuildFromModel(cf_ChartModel *model)
{
    DeleteDataObjects();
    prepared = 0;
    if (model)
        ComputeDataRanges(model);
    SetDataBox();
    // Made here when nothing asked for them before, so that the model's
    // titles and legend are always drawn.
    Titles()->Build(model);
    Notes()->Build(model);
    SetPipelineFlags();
}

void cf_ChartEngine::ComputeDataRanges(cf_ChartModel *model)
{
    int mode = model->ValueMode();
    double *r = dataRange;
    if (chartType == 2) {
        r[0] = model->YMin();
        r[1] = model->YMax();
    } else {
        r[0] = model->XMin();
        r[1] = model->XMax();
    }
    if ((chartType == 1 || chartType == 4 || chartType == 6) && mode == 1) {
        r[0] = 0;
        r[1] += 1;
    }
    if (chartType == 3 || chartType == 8) {
        if (mode == 3) {
            double half = model->XStep() / 2;
            r[0] -= half;
            r[1] += half;
        } else {
            r[0] = 0;
            r[1] += 1;
        }
    }
    if (chartType == 2) {
        r[2] = model->XMin();
        r[3] = model->XMax();
        if (mode == 2) {
            r[2] = 0;
            r[3] += 1;
        }
    } else if (chartType == 8) {
        r[2] = model->StackedYMin();
        r[3] = model->StackedYMax();
    } else {
        r[2] = model->YMin();
        r[3] = model->YMax();
    }
    r[4] = model->ZMin();
    r[5] = model->ZMax();
    if (chartType == 8) {
        r[4] = 0;
        r[5] = 1;
    } else if (chartType == 2 || chartType == 3 || chartType == 7) {
        r[5] = 2 * r[5] - 1;
    }
}

void cf_ChartEngine::DataBoxFromKernel()
{
    dataBox[0] = kernel->XMin();
    dataBox[1] = kernel->YMin();
    dataBox[2] = kernel->ZMin();
    dataBox[3] = kernel->XMax();
    dataBox[4] = kernel->YMax();
    dataBox[5] = kernel->ZMax();
}

void cf_ChartEngine::SetDataBox()
{
    DataBoxFromKernel();
}

void cf_ChartEngine::ComputeScale()
{
    for (int axis = 0; axis < 3; ++axis) {
        double span = dataBox[axis + 3] - dataBox[axis];
        scale[axis] = std::fabs(span) > CF_NUM_ZERO_IF_LT ? boxExtent[axis] / span : 1.0;
    }
}

void cf_ChartEngine::ComputeOffset()
{
    for (int axis = 0; axis < 3; ++axis)
        offset[axis] = (origin[axis] - dataBox[axis]) * scale[axis];
}

void cf_ChartEngine::ApplyScale()
{
    for (int index : {1, 2})
        for (cf_Virt3DObj *object : lists[index])
            object->Scale(scale[0], scale[1], scale[2]);
}

void cf_ChartEngine::ApplyOffset()
{
    for (int index : {1, 2})
        for (cf_Virt3DObj *object : lists[index])
            object->Translate(offset[0], offset[1], offset[2]);
}

void cf_ChartEngine::RescaleWalls()
{
    const double extents[3] = {kernel->XExtent(), kernel->YExtent(), kernel->ZExtent()};
    double factors[3] = {1, 1, 1};
    bool changed = false;
    for (int axis = 0; axis < 3; ++axis) {
        if (extents[axis] != boxExtent[axis]) {
            changed = true;
            if (boxExtent[axis] > CF_NUM_ZERO_IF_LT)
                factors[axis] = extents[axis] / boxExtent[axis];
        }
        boxExtent[axis] = extents[axis];
    }
    if (changed)
        for (cf_3DPolygon &wall : walls)
            wall.Scale(factors[0], factors[1], factors[2]);
}

void cf_ChartEngine::FollowOrigin()
{
    const double now[3] = {kernel->XMin(), kernel->YMin(), kernel->ZMin()};
    double moves[3] = {now[0] - origin[0], now[1] - origin[1], now[2] - origin[2]};
    origin[0] = now[0];
    origin[1] = now[1];
    origin[2] = now[2];
    if (moves[0] == 0 && moves[1] == 0 && moves[2] == 0)
        return;
    for (int index : {0, 1, 2})
        for (cf_Virt3DObj *object : lists[index])
            object->Translate(moves[0], moves[1], moves[2]);
}

void cf_ChartEngine::UpdateAxisLabels(cf_ChartModel *model)
{
    if (IsPieLike()) {
        if (faces[7]->IsShown())
            faces[7]->Rebuild(model);
        return;
    }
    static const int planar[] = {2, 1, 4, 3};
    for (int face : planar)
        if (faces[face]->IsShown())
            faces[face]->Rebuild(model);
    if (dimension == 2)
        for (int face : {6, 5})
            if (faces[face]->IsShown())
                faces[face]->Rebuild(model);
}

void cf_ChartEngine::AddPlaceholders(cf_ChartModel *)
{
    // At the corners of the data range, so that the data box (and with it
    // the scale) follows the model's range rather than the data alone.
    auto *low = new cf_3DPoint(dataRange[0], dataRange[2], dataRange[4]);
    auto *high = new cf_3DPoint(dataRange[1], dataRange[3], dataRange[5]);
    low->SetVisible(0);
    high->SetVisible(0);
    AddAuxObject(low);
    AddAuxObject(high);
}
