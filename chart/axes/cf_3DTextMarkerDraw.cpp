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

void cf_3DTextMarker::DrawLabel(bf_Display *display)
{
    static cf_TextAttribs plain;
    bool ownLook = !TextFlag() && HasTextAttribs();
    cf_TextAttribs *attribs = HasTextAttribs() ? TextAttribs() : &plain;
    bf_Color savedText, savedBack;
    if (ownLook) {
        savedText = display->Foreground();
        savedBack = display->Background();
        display->SetForeground(attribs->TextColor());
        display->SetBackground(attribs->BackColor());
        display->SelectFont(new bf_Font(attribs->ScaledFontSpec(display)));
    }
    const cf_3DPoint *anchor = labelAtPoint2 ? point2 : point3;
    cf_2DRect extent = display->TextExtent(*text);
    display->Text(cf_AnchorText(anchor->DevicePoint(), extent.Width(), extent.Height(), *attribs), *text);
    if (ownLook) {
        display->SetForeground(savedText);
        display->SetBackground(savedBack);
        delete display->PopFont();
    }
}
