#pragma once
// cf_3DBitmap: a picture mapped onto the left wall of the chart's box, row
// by row along the wall's projected edges. It draws only when a file name
// has been given; the bitmap is loaded at each drawing and released after
// it. The engine owns one as its wall bitmap. GUI thread only.

#include "chart/scene/cf_Virt3DObj.h"
#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_String.h"

class bf_2DBitmap;
class bf_2DBitmapDisplay;

class cf_3DBitmap : public cf_Virt3DObj {
public:
    explicit cf_3DBitmap(cf_Kernel *kernel);
    ~cf_3DBitmap() override;
    cf_3DBitmap(const cf_3DBitmap &) = delete;
    cf_3DBitmap &operator=(const cf_3DBitmap &) = delete;

    void SetKernel(cf_Kernel *newKernel) { kernel = newKernel; }
    // Replaces the loaded bitmap (taken over; deleted after the drawing).
    void SetBitmap(bf_2DBitmap *newBitmap);
    bool HasFile() const { return !fileName.IsEmpty(); }
    const wchar_t *FileName() const { return fileName.Text(); }
    void SetFileName(const wchar_t *name) { fileName = name; }

    void DrawFormB(bf_Display *display) override;

private:
    void TakeCorners();
    void MapRow(bf_Display *display, int sourceRow, const cf_2DPoint &from, const cf_2DPoint &to);
    void DrawOutline(bf_Display *display);
    void Release();

    cf_Kernel *kernel;
    cf_String fileName;
    bf_2DBitmap *bitmap = nullptr;
    bf_2DBitmapDisplay *bitmapDisplay = nullptr;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    int sourceWidth = 0;
    int scanCount = 0;
    cf_2DRect sourceRect;
    cf_2DPoint corners[5];
    int leftRise = 0, rightRise = 0, leftRun = 0, rightRun = 0, topRun = 0, bottomRun = 0;
    cf_2DPoint upStep{0, -1};
    cf_2DPoint leftStep;
    cf_2DPoint rightStep;
};
