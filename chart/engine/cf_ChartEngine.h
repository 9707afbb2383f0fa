#pragma once
// cf_ChartEngine: the base of every chart engine. It owns the viewing
// kernel, the three walls of the plot box (back wall, left wall, floor) with
// their attributes, the seven grid and tick series, the title manager and
// note series, a wall bitmap, three marker points and four lists of scene
// objects (1 grid and tick series, 2 auxiliary objects, 3 data objects built
// from the model, 4 the title manager and note series). It maps the model's
// data range onto the plot box, runs the transform and projection pipeline
// over every object and draws the scene in a fixed order. Subclasses fill
// the data list from the model. The view owns the engine; GUI thread only.

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/axes/cf_EngineFrame.h"
#include "chart/model/cf_EngineLink.h"
#include "chart/scene/cf_3DPoint.h"
#include "chart/scene/cf_3DPolygon.h"
#include "chart/values/cf_String.h"

#include <vector>

class bf_Display;
class cf_3DBitmap;
class cf_3DGridTickSeries;
class cf_3DTextMarkerSeries;
class cf_TitleMarkerMgr;

class cf_ChartEngine : public cf_EngineFrame, public cf_EngineLink {
public:
    cf_ChartEngine(int chartType, int dimension);
    cf_ChartEngine(const cf_ChartEngine &) = delete;
    cf_ChartEngine &operator=(const cf_ChartEngine &) = delete;
    ~cf_ChartEngine() override;

    // The model link and the pipeline.
    void BuildFromModel(cf_ChartModel *model) override;
    void Refresh() override;
    void UpdateGeometry() override;
    void Project() override;
    void Relayout() override;
    // Draws the scene: walls, then the object lists, then the markers.
    virtual void Draw(bf_Display *display);
    virtual void DrawWalls(bf_Display *display);
    virtual void DrawWallsAndBitmap(bf_Display *display);
    // 1 flat view (angles and perspective saved, then 0), 2 the saved view;
    // false for any other mode.
    virtual bool SetViewMode(int mode);

    // Object lists (1..4); each object is first translated by the origin.
    void AddGridSeries(cf_Virt3DObj *object) { AddToList(0, object); }
    void AddAuxObject(cf_Virt3DObj *object) { AddToList(1, object); }
    void AddDataObject(cf_Virt3DObj *object) { AddToList(2, object); }
    void AddManagerObject(cf_Virt3DObj *object) { AddToList(3, object); }
    // The objects of list n (1..4).
    const std::vector<cf_Virt3DObj *> &List(int n) const { return lists[(n - 1) & 3]; }

    // Replaces the kernel (false for null).
    bool SetKernel(cf_Kernel *newKernel, bool deleteOld, bool own);

    // The grid and tick series by face number 1..7 (anything else: 2).
    cf_3DGridTickSeries *GridSeries(int face) const;
    cf_3DGridTickSeries *BackFaceX() const { return GridSeries(1); }
    cf_3DGridTickSeries *BottomFaceX() const { return GridSeries(2); }
    cf_3DGridTickSeries *BackFaceY() const { return GridSeries(3); }
    cf_3DGridTickSeries *LeftFaceY() const { return GridSeries(4); }
    cf_3DGridTickSeries *BottomFaceZ() const { return GridSeries(5); }
    cf_3DGridTickSeries *LeftFaceZ() const { return GridSeries(6); }
    cf_3DGridTickSeries *PolarFloor() const { return GridSeries(7); }
    // Made on first use and added to list 4.
    cf_TitleMarkerMgr *Titles();
    cf_3DTextMarkerSeries *Notes();

    // Walls: 2 the left wall's attributes, 1 the floor's, any other the back wall's.
    cf_DispAttribs *WallDispAttribs(int n) const;
    bf_Color FaceColor() const { return wallAttribs[0]->FillColor(); }
    void SetFaceColor(bf_Color c) { wallAttribs[0]->SetFillColor(c); }
    bf_Color FloorFillColor() const { return wallAttribs[2]->FillColor(); }
    void SetFloorFillColor(bf_Color c) { wallAttribs[2]->SetFillColor(c); }
    bf_Color LeftWallFillColor() const { return wallAttribs[1]->FillColor(); }
    void SetLeftWallFillColor(bf_Color c) { wallAttribs[1]->SetFillColor(c); }
    bf_Color FaceLineColor() const { return wallAttribs[0]->LineColor(); }
    void SetWallLineColor(bf_Color c);
    cf_3DPolygon &BackWall() { return walls[0]; }
    cf_3DPolygon &LeftWall() { return walls[1]; }
    cf_3DPolygon &Floor() { return walls[2]; }
    void SetBackWallShown(unsigned char f) { wallShown[0] = f; }
    void SetLeftWallShown(unsigned char f) { wallShown[1] = f; }
    void SetFloorShown(unsigned char f) { wallShown[2] = f; }
    unsigned char BackWallShown() const { return wallShown[0]; }
    unsigned char LeftWallShown() const { return wallShown[1]; }
    unsigned char FloorShown() const { return wallShown[2]; }

    // The wall bitmap and the background bitmap's name.
    void SetBitmapName(const wchar_t *name) { bitmapName = name; }
    const wchar_t *BitmapName() const { return bitmapName.Text(); }
    bool HasBitmapName() const { return !bitmapName.IsEmpty(); }
    void SetBitmapEnabled(unsigned char f) { bitmapEnabled = f; }
    unsigned char BitmapEnabled() const { return bitmapEnabled; }
    bool WallBitmapHasImage() const;
    void SetWallBitmapImage(const wchar_t *fileName);
    void ClearWallBitmapImage();
    void SetWallBitmapShown(unsigned char f) { wallBitmapShown = f; }
    unsigned char WallBitmapShown() const { return wallBitmapShown; }

    void SetOutlineOnly(unsigned char f) { outlineOnly = f; }
    unsigned char OutlineOnly() const { return outlineOnly; }
    void SetDisplayFlagA(unsigned char f) { displayFlagA = f; }
    unsigned char DisplayFlagA() const { return displayFlagA; }
    void SetDisplayFlagB(unsigned char f) { displayFlagB = f; }
    unsigned char DisplayFlagB() const { return displayFlagB; }
    void SetFramePlot(unsigned char f) { framePlot = f; }
    unsigned char FramePlot() const { return framePlot; }
    // Marker points 1..3.
    void SetMarkerShown(int n, unsigned char f) { MarkerPoint(n).SetVisible(f); }
    cf_3DPoint &MarkerPoint(int n) { return markers[n < 1 ? 0 : n > 3 ? 2 : n - 1]; }

    int Dimension() const { return dimension; }
    // Stores d; for 1 or 2 also sets that view mode and answers true.
    bool SetDimension(int d);
    // Stores the colour and gives it to every grid series, the titles and notes.
    void SetAxisColor(bf_Color color);

    // Percent 0..100 (clamped; false when clamped), stored as a fraction.
    bool SetBarWidth(double percent);
    double BarWidth() const { return barWidth * 100; }
    void SetPerspective(double value);
    void SetPerspectiveFull() { SetPerspective(100); }
    void SetPerspectiveHalf() { SetPerspective(50); }
    void SetPerspectiveNone() { SetPerspective(0); }
    // Elevation 0..90 and rotation -90..0 (false when anything was clamped).
    bool SetRotation(double elevation, double rotation);
    // Height and depth of the box as percentages of its width; relays out.
    void SetBoxProportions(double yPercent, double zPercent);
    double BoxProportionY() const { return boxProportion[0] * 100; }
    double BoxProportionZ() const { return boxProportion[1] * 100; }

    const double *Scale() const { return scale; }
    const double *Offset() const { return offset; }
    bool IsPrepared() const { return prepared != 0; }
    bool GeometryChanged() const { return geometryChanged != 0; }

protected:
    // View mode 1: keeps the view angles and perspective for mode 2 and
    // looks straight at the chart from the elevation given (degrees),
    // without perspective.
    void EnterFlatView(double elevation);
    virtual void DeleteDataObjects();
    virtual void ApplyScale();
    virtual void ApplyOffset();
    virtual void ComputeScale();
    virtual void ComputeOffset();
    virtual void RescaleWalls();
    virtual void BuildWalls();
    virtual void InitAttributes();
    virtual void CreateGridFaces();
    virtual void InitLists();
    virtual void ResetMarkers();
    virtual void ComputeDataRanges(cf_ChartModel *model);
    virtual void SetDataBox();
    virtual void FollowOrigin();
    virtual void UpdateAxisLabels(cf_ChartModel *model);
    virtual void AddPlaceholders(cf_ChartModel *model);

    // Runs f on the walls and every object of the four lists.
    template <class F> void ForAllObjects(F f)
    {
        for (cf_3DPolygon &wall : walls)
            f(wall);
        for (auto &list : lists)
            for (cf_Virt3DObj *object : list)
                f(*object);
    }
    void SetPipelineFlags() { needsRefresh = geometryChanged = projectionChanged = 1; }
    // Draws every object of the four lists with form A or form B.
    void DrawLists(bf_Display *display, bool formB);
    // Brings the geometry and the projection up to date for drawing on the
    // display (all of it the first time); a geometry change projects again
    // when reprojectOnGeometry is set.
    void UpdateForDrawing(bf_Display *display, bool reprojectOnGeometry);
    // Gives the plot a margin floor that keeps the shown grid series' labels
    // and titles inside the display; true when the projection must be
    // prepared again.
    bool FitTextsAroundPlot(bf_Display *display);
    // The data box as the kernel's box.
    void DataBoxFromKernel();

    unsigned char ownsKernel = 1;
    cf_3DPoint markers[3];
    int dimension;
    cf_3DPolygon walls[3]; // back wall, left wall, floor
    cf_DispAttribs *wallAttribs[3] = {nullptr, nullptr, nullptr};
    unsigned char wallShown[3] = {1, 1, 1};
    cf_3DBitmap *wallBitmap = nullptr;
    unsigned char wallBitmapShown = 0;
    // By face number 1..7; index 0 unused.
    cf_3DGridTickSeries *faces[8] = {};
    cf_TitleMarkerMgr *titles = nullptr;
    cf_3DTextMarkerSeries *notes = nullptr;
    cf_String bitmapName;
    unsigned char bitmapEnabled = 0;
    std::vector<cf_Virt3DObj *> lists[4];
    double boxProportion[2] = {1, 1};
    double scale[3] = {1, 1, 1};
    double offset[3] = {0, 0, 0};
    double barWidth = 1.0;
    unsigned char prepared = 0;
    unsigned char needsRefresh = 1;
    unsigned char geometryChanged = 1;
    unsigned char projectionChanged = 1;
    unsigned char outlineOnly = 0;
    unsigned char displayFlagA = 0;
    unsigned char displayFlagB = 0;
    unsigned char framePlot = 0;
    // elevation, rotation, roll, perspective kept for the flat view.
    double savedView[4] = {0, 0, 0, 0};

private:
    void AddToList(int index, cf_Virt3DObj *object);
    void TakeKernelBox();
};
