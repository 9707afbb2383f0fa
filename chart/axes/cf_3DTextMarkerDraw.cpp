// cf_3DTextMarker drawing: segments, point marks and the anchored label.

#include "chart/axes/cf_3DTextMarker.h"

#include "chart/backend/bf_Display.h"
#include "chart/values/cf_Constants.h"

#include <array>
#include <cmath>

cf_2DPoint cf_AnchorText(const cf_2DPoint &anchor, int w, int h, const cf_TextAttribs &attribs)
{
    int degrees = attribs.Rotation();
    double a = degrees * CF_DEG_TO_RAD;
    int W = cf_Trunc(w * std::cos(a) + h * std::sin(a));
    int H = cf_Trunc(w * std::sin(a) + h * std::cos(a));
    cf_2DPoint at = anchor;
    if (attribs.AnchorRight())
        at.x -= degrees < 0 ? 0 : W;
    else if (attribs.AnchorLeft())
        at.x -= degrees < 0 ? W : 0;
    else
        at.x -= W / 2;
    if (degrees > 0) {
        if (attribs.AnchorTop())
            at.y += H;
        else if (!attribs.AnchorBottom())
            at.y += H / 2;
    } else {
        if (attribs.AnchorBottom())
            at.y -= H;
        else if (!attribs.AnchorTop())
            at.y -= H / 2;
    }
    return at;
}

void cf_3DTextMarker::DrawFormB(bf_Display *display)
{
    if (!display)
        return;
    SelectPen(display);
    if (drawLine12)
        display->Polyline(std::array<cf_2DPoint, 2>{point1->DevicePoint(), point2->DevicePoint()}.data(), 2);
    if (drawLine23)
        display->Polyline(std::array<cf_2DPoint, 2>{point2->DevicePoint(), point3->DevicePoint()}.data(), 2);
    ReleasePen(display);
    if (drawPoint1)
        point1->DrawFormB(display);
    if (drawPoint2)
        point2->DrawFormB(display);
    if (hasText && labelVisible && text && !text->IsEmpty())
        DrawLabel(display);
}

cf_2DRect cf_TextBox(const cf_2DPoint &at, int w, int h, int degrees)
{
    // A text turned up runs upwards from its corner, one turned down downwards.
    if (degrees > 0)
        return cf_2DRect(at.x, at.y - w, at.x + h, at.y);
    if (degrees < 0)
        return cf_2DRect(at.x - h, at.y, at.x, at.y + w);
    return cf_2DRect(at.x, at.y, at.x + w, at.y + h);
}

cf_TextAttribs *cf_3DTextMarker::LabelLook(bool &ownLook)
{
    static cf_TextAttribs plain;
    ownLook = !TextFlag() && HasTextAttribs();
    return HasTextAttribs() ? TextAttribs() : &plain;
}

cf_2DPoint cf_3DTextMarker::LabelCorner(const cf_2DRect &extent, const cf_TextAttribs &look) const
{
    const cf_3DPoint *anchor = labelAtPoint2 ? point2 : point3;
    cf_2DPoint at = anchor->DevicePoint();
    at.x += labelShift.x;
    at.y += labelShift.y;
    return cf_AnchorText(at, extent.Width(), extent.Height(), look);
}

bool cf_3DTextMarker::LabelBox(bf_Display *display, cf_2DRect &box)
{
    if (!display || !hasText || !labelVisible || !text || text->IsEmpty())
        return false;
    bool ownLook = false;
    cf_TextAttribs *look = LabelLook(ownLook);
    if (ownLook)
        display->SelectFont(new bf_Font(look->ScaledFontSpec(display)));
    const cf_2DRect extent = display->TextExtent(*text);
    if (ownLook)
        delete display->PopFont();
    box = cf_TextBox(LabelCorner(extent, *look), extent.Width(), extent.Height(), look->Rotation());
    return true;
}

void cf_3DTextMarker::DrawLabel(bf_Display *display)
{
    bool ownLook = false;
    cf_TextAttribs *attribs = LabelLook(ownLook);
    bf_Color savedText, savedBack;
    if (ownLook) {
        savedText = display->Foreground();
        savedBack = display->Background();
        display->SetForeground(attribs->TextColor());
        display->SetBackground(attribs->BackColor());
        display->SelectFont(new bf_Font(attribs->ScaledFontSpec(display)));
    }
    cf_2DRect extent = display->TextExtent(*text);
    display->Text(LabelCorner(extent, *attribs), *text);
    if (ownLook) {
        display->SetForeground(savedText);
        display->SetBackground(savedBack);
        delete display->PopFont();
    }
}
