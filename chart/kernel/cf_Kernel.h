#pragma once
// cf_Kernel: the viewing kernel of one chart engine. It holds the model box
// (a box centred on the origin), the view angles, the perspective and the
// plot margins, and keeps two matrices from them: the geometry matrix (model
// to view coordinates: rotation and perspective; points are row vectors
// multiplied from the left) and the projection matrix (view coordinates to
// device pixels inside the plot rectangle of the display last prepared for).
// Angles are degrees: elevation is clamped to [0, 90], rotation to [-90, 0].
// Spans and divisors at or below CF_NUM_ZERO_IF_LT count as zero. Owned by
// its engine; GUI thread only.

#include "chart/values/cf_2DRect.h"

class bf_Display;

class cf_Kernel {
public:
    static constexpr const char *kModule = "C1_KERNL";

    cf_Kernel(double xSize, double ySize, double zSize);

    // Geometry: each recalculates the geometry matrix at once and marks the
    // kernel changed.
    void SetCubeSize(double xSize, double ySize, double zSize);
    void SetViewAngles(double elevationDeg, double rotationDeg); // roll := 0
    void SetPerspective(double value);                         // above 100 is 100

    // Projection set-up: percent of the display's width or height. These
    // mark the projection out of date; Prepare makes it current again.
    void SetLeftMargin(double percent);
    void SetRightMargin(double percent);
    void SetTopMargin(double percent);
    void SetBottomMargin(double percent);
    void SetIndependentScale(unsigned char flag);
    // Least room in device pixels kept outside the plot on each side,
    // whatever the percentages (room the engine found its labels and titles
    // need). Marks the projection out of date when it changes. The plot
    // keeps at least a quarter of the display in each direction.
    void SetMarginFloor(const cf_2DRect &pixels);
    const cf_2DRect &MarginFloor() const { return marginFloor; }
    double LeftMargin() const { return leftMargin; }
    double RightMargin() const { return rightMargin; }
    double TopMargin() const { return topMargin; }
    double BottomMargin() const { return bottomMargin; }
    unsigned char IndependentScale() const { return independentScale; }

    double Elevation() const { return elevation; }
    double Rotation() const { return rotation; }
    double Roll() const { return roll; }
    double Perspective() const { return perspective; }
    double XMin() const { return xMin; }
    double XMax() const { return xMax; }
    double YMin() const { return yMin; }
    double YMax() const { return yMax; }
    double ZMin() const { return zMin; }
    double ZMax() const { return zMax; }
    double XExtent() const { return xMax - xMin; }
    double YExtent() const { return yMax - yMin; }
    double ZExtent() const { return zMax - zMin; }

    bool IsChanged() const { return changed != 0; }
    // The geometry maps every point onto itself (flat view, no perspective).
    bool IsIdentityGeometry() const;
    bool IsGeomCurrent() const { return geomCurrent; }
    bool IsProjCurrent() const { return projCurrent; }

    // Recalculates the geometry when it is not current; clears `changed`.
    void UpdateGeometry();
    // Prepares the projection for the display's drawing rectangle.
    void Prepare(const bf_Display *display);
    // Prepares the projection for a drawing rectangle in device pixels.
    void PrepareRect(const cf_2DRect &deviceRect);

    // The matrices; asking for one that is not current is reported as a
    // failed check of this module (the stale matrix is still answered).
    const double (&GeomMatrix() const)[4][4];
    const double (&ProjMatrix() const)[4][2];

    const cf_2DRect &DisplayRect() const { return displayRect; }
    const cf_2DRect &PlotRect() const { return plotRect; }
    const cf_2DRect &LeftFaceRect() const { return leftFaceRect; }
    const cf_2DRect &BackFaceRect() const { return backFaceRect; }
    const cf_2DRect &BottomFaceRect() const { return bottomFaceRect; }
    const cf_2DPoint &DeviceCorner(int i) const { return deviceCorners[i & 7]; }

    void CubeCorners(double *xs, double *ys, double *zs) const;    // 8 each
    void BottomFaceCorners(double *xs, double *ys, double *zs) const; // 4 each
    void BackFaceCorners(double *xs, double *ys, double *zs) const;
    void LeftFaceCorners(double *xs, double *ys, double *zs) const;
    void Origin(double &x, double &y, double &z) const;
    void Viewpoint(double &x, double &y, double &z) const;
    void TopFrontLeft(double &x, double &y, double &z) const;
    double ViewpointX() const { return viewpoint[0]; }
    double ViewpointY() const { return viewpoint[1]; }
    double ViewpointZ() const { return viewpoint[2]; }

    // Applies the geometry matrix to n points in place. x and y are divided
    // by the weight w only when |w| is above CF_NUM_ZERO_IF_LT.
    void TransformPoints(double *xs, double *ys, double *zs, int n) const;
    // Applies the projection matrix to n view points (truncating to pixels).
    void ProjectPoints(const double *xs, const double *ys, cf_2DPoint *out, int n) const;

private:
    // Sets one of the margins; the projection is made again before its next use.
    void SetMargin(double &margin, double percent);
    void RecalculateGeometry();
    // The plot rectangle inside a drawing rectangle: margins and floor.
    cf_2DRect PlotRectIn(const cf_2DRect &deviceRect) const;
    void FaceCorners(const int (&face)[4], double *xs, double *ys, double *zs) const;
    cf_2DRect FaceRect(const int (&face)[4]) const;

    unsigned char changed;
    bool geomCurrent;
    bool projCurrent;
    double elevation;
    double rotation;
    double roll;
    double perspective;
    double leftMargin;
    double rightMargin;
    double topMargin;
    double bottomMargin;
    unsigned char independentScale;
    cf_2DRect marginFloor;
    cf_2DRect displayRect;
    cf_2DRect plotRect;
    cf_2DRect leftFaceRect;
    cf_2DRect backFaceRect;
    cf_2DRect bottomFaceRect;
    double geomMatrix[4][4];
    double projMatrix[4][2];
    double cornerX[8], cornerY[8], cornerZ[8];
    double viewX[8], viewY[8], viewZ[8];
    double projX[8], projY[8];
    cf_2DPoint deviceCorners[8];
    double origin[3];
    double viewpoint[3];
    double topFrontLeft[3];
    double xMin, xMax, yMin, yMax, zMin, zMax;
};
