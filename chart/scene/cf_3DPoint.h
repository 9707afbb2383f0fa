#pragma once
// cf_3DPoint: a single point of a scene with an optional marker. It keeps
// its position in data coordinates (as given), working coordinates (after
// Scale and Translate), view coordinates (after Transform through the
// kernel's geometry matrix) and as a device point (after Project). Its three
// drawing forms all draw the marker: a filled circle of markerSize pixels
// around the device point. Series draw their points' markers; Draw itself
// draws nothing. Owned by its series or engine; GUI thread only.

#include "chart/scene/cf_Virt3DObj.h"
#include "chart/values/cf_2DPoint.h"

class cf_3DPoint : public cf_Virt3DObj {
public:
    cf_3DPoint();
    cf_3DPoint(double x, double y, double z);
    cf_3DPoint(const cf_3DPoint &other) = default;
    cf_3DPoint &operator=(const cf_3DPoint &other) = default;
    ~cf_3DPoint() override = default;

    // With autoSize, markerSize = trunc(factor x smaller back-face side x 0.005).
    void Setup(const cf_Kernel &kernel) override;
    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    void Scale(double sx, double sy, double sz) override;     // working position
    void Translate(double dx, double dy, double dz) override; // working position
    void DrawFormA(bf_Display *display) override;
    void DrawFormB(bf_Display *display) override;
    virtual void DrawFormC(bf_Display *display);

    double MinX() const override { return dataX; }
    double MaxX() const override { return dataX; }
    double MinY() const override { return dataY; }
    double MaxY() const override { return dataY; }
    double MinZ() const override { return dataZ; }
    double MaxZ() const override { return dataZ; }
    double WorkMinX() const override { return workX; }
    double WorkMaxX() const override { return workX; }
    double WorkMinY() const override { return workY; }
    double WorkMaxY() const override { return workY; }
    double WorkMinZ() const override { return workZ; }
    double WorkMaxZ() const override { return workZ; }
    double ViewMinX() const override { return viewX; }
    double ViewMaxX() const override { return viewX; }
    double ViewMinY() const override { return viewY; }
    double ViewMaxY() const override { return viewY; }
    double ViewMinZ() const override { return viewZ; }
    double ViewMaxZ() const override { return viewZ; }

    // Each sets the data, working and view value of the coordinate.
    void SetPosition(double x, double y, double z);
    void SetDataX(double x) { dataX = workX = viewX = x; }
    void SetDataY(double y) { dataY = workY = viewY = y; }
    void SetDataZ(double z) { dataZ = workZ = viewZ = z; }
    // Restore a point's later states (a series that kept it in bulk).
    void SetWorking(double x, double y, double z) { workX = x, workY = y, workZ = z; }
    void SetView(double x, double y, double z) { viewX = x, viewY = y, viewZ = z; }
    void SetDevicePoint(const cf_2DPoint &point) { device = point; }
    double DataX() const { return dataX; }
    double DataY() const { return dataY; }
    double DataZ() const { return dataZ; }
    double WorkX() const { return workX; }
    double WorkY() const { return workY; }
    double WorkZ() const { return workZ; }
    double ViewX() const { return viewX; }
    double ViewY() const { return viewY; }
    double ViewZ() const { return viewZ; }
    cf_2DPoint DevicePoint() const { return device; }
    int DeviceX() const { return device.x; }
    int DeviceY() const { return device.y; }

    int MarkerStyle() const { return markerStyle; }
    void SetMarkerStyle(int style) { markerStyle = style; }
    int MarkerSize() const { return markerSize; }
    void SetMarkerSize(int size) { markerSize = size; }
    double MarkerSizeFactor() const { return markerSizeFactor; }
    // Stores the factor and turns automatic sizing on.
    void SetMarkerSizeFactor(double factor);
    unsigned char AutoSize() const { return autoSize; }
    // Clearing automatic sizing also puts the marker size back to 5.
    void SetAutoSize(unsigned char flag);
    unsigned char PreTransformed() const { return preTransformed; }
    void SetPreTransformed(unsigned char flag) { preTransformed = flag; }

private:
    void DrawMarker(bf_Display *display);

    double dataX, dataY, dataZ;
    double workX, workY, workZ;
    double viewX, viewY, viewZ;
    cf_2DPoint device;
    unsigned char preTransformed;
    int markerStyle;
    int markerSize;
    double markerSizeFactor;
    unsigned char autoSize;
};
