#pragma once
// cf_3DPointSeries: a scene object made of an ordered list of points,
// numbered from 1 and owned by the series. It moves, scales, transforms and
// projects them together and keeps their extents in data, working and view
// coordinates and as a device box. A template point gives every added point
// its marker style and sizes the markers from the chart size. An empty
// series transforms, projects and draws nothing. Nothing is clipped: points
// draw where they project. GUI thread only.
//
// Points given by their coordinates alone (AddPointXYZ) are kept in one
// block of coordinates that is moved and mapped in bulk; point objects are
// made for them only when one is asked for (PointAt, or an added object).
// While the kernel's geometry maps every point onto itself, their view
// coordinates are their working ones.

#include "chart/scene/cf_3DPoint.h"
#include "chart/values/cf_DyArr.h"

#include <vector>

class cf_3DPointSeries : public cf_Virt3DObj {
public:
    cf_3DPointSeries();
    explicit cf_3DPointSeries(cf_DispAttribs *borrowed);
    // Copies attributes, flags, template, extents, offset and scale, and
    // replaces the points by copies of the other series' points.
    cf_3DPointSeries &operator=(const cf_3DPointSeries &other);
    cf_3DPointSeries(const cf_3DPointSeries &) = delete;
    ~cf_3DPointSeries() override;

    void Setup(const cf_Kernel &kernel) override;
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    void DrawFormA(bf_Display *display) override;
    void DrawFormB(bf_Display *display) override;

    double MinX() const override { return dataMinX; }
    double MaxX() const override { return dataMaxX; }
    double MinY() const override { return dataMinY; }
    double MaxY() const override { return dataMaxY; }
    double MinZ() const override { return dataMinZ; }
    double MaxZ() const override { return dataMaxZ; }
    double WorkMinX() const override { return workMinX; }
    double WorkMaxX() const override { return workMaxX; }
    double WorkMinY() const override { return workMinY; }
    double WorkMaxY() const override { return workMaxY; }
    double WorkMinZ() const override { return workMinZ; }
    double WorkMaxZ() const override { return workMaxZ; }
    double ViewMinX() const override { return viewMinX; }
    double ViewMaxX() const override { return viewMaxX; }
    double ViewMinY() const override { return viewMinY; }
    double ViewMaxY() const override { return viewMaxY; }
    double ViewMinZ() const override { return viewMinZ; }
    double ViewMaxZ() const override { return viewMaxZ; }

    // Takes the point (null is ignored). It gets the template's marker
    // style, size 5 without automatic sizing, and draws with the series'
    // pen and brush.
    virtual void AddPoint(cf_3DPoint *point);
    // Adds a copy of the point.
    virtual void AddPoint(const cf_3DPoint &point);
    // Adds a point at (x, y, z) to the block of the series (see above).
    void AddPointXYZ(double x, double y, double z);
    // Adds n points (x[i], y[i], z) to the block at once.
    void AddPointsXYZ(const double *xs, const double *ys, double z, int n);
    // Room for n points in the block.
    void Reserve(int n);
    // Deletes every point; counts, extents, view box and device box become
    // 0 (view centres, offset and scale stay).
    virtual void Clear();

    // Point n for 1 <= n <= Count, else null.
    cf_3DPoint *PointAt(int n) const;
    // A new point equal to point n (null outside the range); the caller owns it.
    cf_3DPoint *CopyPointAt(int n) const;
    int Count() const { return count; }
    cf_3DPoint &TemplatePoint() { return templatePoint; }

    double ViewCentreX() const { return viewCentreX; }
    double ViewCentreY() const { return viewCentreY; }
    double ViewCentreZ() const { return viewCentreZ; }
    double DevMinX() const { return devMinX; }
    double DevMaxX() const { return devMaxX; }
    double DevMinY() const { return devMinY; }
    double DevMaxY() const { return devMaxY; }
    void Offset(double &x, double &y, double &z) const;
    void ScaleFactors(double &x, double &y, double &z) const;

protected:
    // The device points of all points, in order.
    std::vector<cf_2DPoint> DevicePoints() const;
    // The same without a copy for points kept in bulk: answers their own
    // device points, or fills scratch and answers its data.
    const cf_2DPoint *DevicePoints(std::vector<cf_2DPoint> &scratch) const;

private:
    // The coordinates of the points kept in bulk, in their four states.
    struct Block {
        struct Coordinates {
            double x, y, z;
        };
        std::vector<Coordinates> data;
        // Device points, sized when the block is first projected.
        std::vector<double> workX, workY, workZ;
        // The view coordinates, unless the geometry maps every point onto
        // itself, when they are the working ones.
        std::vector<double> viewX, viewY, viewZ;
        bool viewIsWork = true;
        std::vector<cf_2DPoint> device;
        // The device points are those of the view under this projection
        // (scale and offset of x and y); cleared by every change of a view.
        bool projected = false;
        double projection[4] = {0, 0, 0, 0};
        void Clear();
        const double *ViewX() const { return viewIsWork ? workX.data() : viewX.data(); }
        const double *ViewY() const { return viewIsWork ? workY.data() : viewY.data(); }
        const double *ViewZ() const { return viewIsWork ? workZ.data() : viewZ.data(); }
    };
    void Widen(const cf_3DPoint &point);
    void Widen(double dx, double dy, double dz, double wx, double wy, double wz);
    void WidenExtents(double dx, double dy, double dz, double wx, double wy, double wz, bool first);
    void DeletePoints();
    // Turns the block into point objects (the series keeps them afterwards).
    void Materialise() const;
    void TransformBlock(const cf_Kernel &kernel);
    void ProjectBlock(const cf_Kernel &kernel);
    void WidenView(double x, double y, double z, bool first);
    void WidenDevice(const cf_2DPoint &d, bool first);
    void WidenDevice(const cf_2DPoint *device, int n);

    mutable Block block;
    mutable bool bulk = false;

    cf_3DPoint templatePoint;
    double dataMaxX, dataMinX, dataMaxY, dataMinY, dataMaxZ, dataMinZ;
    double workMaxX, workMinX, workMaxY, workMinY, workMaxZ, workMinZ;
    double offset[3];
    double scale[3];
    double viewMaxX, viewMinX, viewCentreX;
    double viewMaxY, viewMinY, viewCentreY;
    double viewMaxZ, viewMinZ, viewCentreZ;
    double devMaxX, devMinX, devMaxY, devMinY;
    mutable cf_DyArr points;
    int count;
};
