#pragma once
// cf_3DTextMarker: the chart's smallest labelled scene object: three points,
// an optional segment from point 1 to point 2 (a grid line) and from point 2
// to point 3 (a tick mark), optional marks on points 1 and 2, and an
// optional text anchored at point 3 (or point 2). The text is owned or
// borrowed; a borrowed text must outlive the marker. Owned by its series;
// GUI thread only.

#include "chart/scene/cf_3DPoint.h"
#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_String.h"

class cf_3DTextMarker : public cf_Virt3DObj {
public:
    cf_3DTextMarker();
    // Adopts the three points (null ones are replaced by new points at the
    // origin); the bounds come from their extremes.
    cf_3DTextMarker(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3);
    // Copies the three points.
    cf_3DTextMarker(const cf_3DPoint &p1, const cf_3DPoint &p2, const cf_3DPoint &p3);
    cf_3DTextMarker(const cf_3DTextMarker &) = delete;
    cf_3DTextMarker &operator=(const cf_3DTextMarker &other);
    ~cf_3DTextMarker() override;

    void Transform(const cf_Kernel &kernel) override;
    void Project(const cf_Kernel &kernel) override;
    // Scales about the accumulated offset, which stays where it is.
    void Scale(double sx, double sy, double sz) override;
    void Translate(double dx, double dy, double dz) override;
    cf_DispAttribs *CreateDispAttribs() override;
    void SetDispAttribs(cf_DispAttribs *attribs) override;
    void DrawFormA(bf_Display *display) override { DrawFormB(display); }
    void DrawFormB(bf_Display *display) override;

    cf_3DPoint *Point1() const { return point1; }
    cf_3DPoint *Point2() const { return point2; }
    cf_3DPoint *Point3() const { return point3; }

    unsigned char DrawLine12() const { return drawLine12; }
    void SetDrawLine12(unsigned char f) { drawLine12 = f; }
    unsigned char DrawLine23() const { return drawLine23; }
    void SetDrawLine23(unsigned char f) { drawLine23 = f; }
    unsigned char LabelAtPoint2() const { return labelAtPoint2; }
    void SetLabelAtPoint2(unsigned char f) { labelAtPoint2 = f; }
    unsigned char DrawPoint1() const { return drawPoint1; }
    void SetDrawPoint1(unsigned char f) { drawPoint1 = f; }
    unsigned char DrawPoint2() const { return drawPoint2; }
    void SetDrawPoint2(unsigned char f) { drawPoint2 = f; }

    unsigned char LabelVisible() const { return labelVisible; }
    // Takes effect only when the marker has a text.
    void SetLabelVisible(unsigned char f);
    bool HasText() const { return hasText != 0; }
    // The text's characters ("" without a text).
    const wchar_t *Text() const;
    // Copies the characters into an owned text (null keeps the old
    // characters); the label becomes visible either way.
    void SetText(const wchar_t *chars);
    // The value formatted into an owned text, kept whole however long.
    void SetNumberText(double value, const wchar_t *format);
    void SetIntegerText(int value, const wchar_t *format);
    // Borrows the text (null changes nothing); the label becomes visible.
    void AdoptText(cf_String *borrowed);

    // The device box the label covers when drawn on the display, in the
    // display's current font unless the marker has text attributes of its
    // own; false when no label is drawn.
    bool LabelBox(bf_Display *display, cf_2DRect &box);
    // The device point the label is anchored at (before any shift).
    cf_2DPoint LabelAnchor() const { return (labelAtPoint2 ? point2 : point3)->DevicePoint(); }
    // Moves the drawn label by pixels from its anchor (0, 0 by default).
    void SetLabelShift(const cf_2DPoint &pixels) { labelShift = pixels; }

    // Bounds: x max, x min, y max, y min, z max, z min.
    const double *Bounds() const { return bounds; }

private:
    cf_String &OwnText();
    void DropText();
    void TakeBounds();
    void DrawLabel(bf_Display *display);
    // The label's look and whether the marker selects a font of its own.
    cf_TextAttribs *LabelLook(bool &ownLook);
    cf_2DPoint LabelCorner(const cf_2DRect &extent, const cf_TextAttribs &look) const;

    cf_3DPoint *point1;
    cf_3DPoint *point2;
    cf_3DPoint *point3;
    unsigned char drawLine12 = 0;
    unsigned char drawLine23 = 0;
    unsigned char labelAtPoint2 = 0;
    unsigned char drawPoint1 = 0;
    unsigned char drawPoint2 = 0;
    double bounds[6] = {0, 0, 0, 0, 0, 0};
    double offset[3] = {0, 0, 0};
    double scale[3] = {1, 1, 1};
    cf_String *text = nullptr;
    unsigned char ownsText = 0;
    unsigned char hasText = 0;
    unsigned char labelVisible = 0;
    cf_2DPoint labelShift;
};

// Where a text of rotated size w x h goes for an anchor point, by the
// anchoring flags and the rotation (whole degrees); shared by the markers.
cf_2DPoint cf_AnchorText(const cf_2DPoint &anchor, int w, int h, const cf_TextAttribs &attribs);
// The device box of a text of size w x h drawn from corner at with a
// rotation of whole degrees (0 or a quarter turn either way).
cf_2DRect cf_TextBox(const cf_2DPoint &at, int w, int h, int degrees);
