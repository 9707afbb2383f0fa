#pragma once
// cf_eng_CartXYZ: the base of the Cartesian engines (point series, line,
// area, bar, column, stack, ribbon). It sets the Cartesian view (box as
// high as wide and half as deep), draws every object list after the walls,
// shows the bottom x and left y axes, and takes the data box from the
// objects actually built. GUI thread only.

#include "chart/engine/cf_ChartEngine.h"

class cf_3DPointSeries;
class cf_3DSurface;
class cf_DataGroup;

class cf_eng_CartXYZ : public cf_ChartEngine {
public:
    cf_eng_CartXYZ(int chartType, int dimension);

    void BuildFromModel(cf_ChartModel *model) override;
    void DrawWalls(bf_Display *display) override;
    void DrawWallsAndBitmap(bf_Display *display) override;

protected:
    // Shows the bottom x face (source 5) and the left y face (source 6),
    // each with label step 1 and grid step 1.
    void CreateGridFaces() override;
    // The working extents of the data objects (else of the auxiliary
    // objects, else the kernel's box), reaching the box edge on an axis
    // whose data range starts or ends at 0.
    void SetDataBox() override;
    // Turns a group's values into the points of a series: x by value mode,
    // z the group's smallest z in mode 3, else g - 1.
    void AddGroupPoints(class cf_3DPointSeries &series, class cf_DataGroup &group, int g, int mode);
    // The frame of an engine's build: the base's build, then (with a model)
    // addObjects(model), the axis labels and the placeholders. Nothing after
    // the base's build without a model.
    template <class F> void BuildFrame(cf_ChartModel *model, F addObjects)
    {
        cf_ChartEngine::BuildFromModel(model);
        if (!model)
            return;
        addObjects(*model);
        UpdateAxisLabels(model);
        AddPlaceholders(model);
    }
    // The whole build of an engine that shows one series a group: the
    // base's build, then for each group with values a series made by
    // makeSeries and filled by AddGroupPoints, then the axis labels and the
    // placeholders. Nothing after the base's build without a model.
    using SeriesMaker = cf_3DPointSeries *(*)(cf_DataGroup &group);
    void BuildGroupSeries(cf_ChartModel *model, SeriesMaker makeSeries);
    // The same for an engine that shows one surface a group of two or more
    // values: the surface, in the group's attributes and without culling,
    // is filled by fill between the depths z0 and z1 (the group's row, or
    // its first z in value mode 3, less and plus half the bar width).
    using SurfaceFiller = void (*)(cf_3DSurface &surface, cf_DataGroup &group, int mode, double z0, double z1);
    void BuildGroupSurfaces(cf_ChartModel *model, SurfaceFiller fill);
    // The same for an engine that shows one series of boxes a group: bars
    // across the x axis, or columns up the y axis when columns is true.
    void BuildGroupBoxes(cf_ChartModel *model, bool columns);
};
