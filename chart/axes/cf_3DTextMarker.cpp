#include "chart/axes/cf_3DTextMarker.h"

#include "chart/values/cf_Extent.h"

#include <algorithm>

cf_3DTextMarker::cf_3DTextMarker()
    : point1(new cf_3DPoint), point2(new cf_3DPoint), point3(new cf_3DPoint)
{
}

cf_3DTextMarker::cf_3DTextMarker(cf_3DPoint *p1, cf_3DPoint *p2, cf_3DPoint *p3)
    : point1(p1 ? p1 : new cf_3DPoint), point2(p2 ? p2 : new cf_3DPoint), point3(p3 ? p3 : new cf_3DPoint)
{
    TakeBounds();
}

cf_3DTextMarker::cf_3DTextMarker(const cf_3DPoint &p1, const cf_3DPoint &p2, const cf_3DPoint &p3)
    : point1(new cf_3DPoint(p1)), point2(new cf_3DPoint(p2)), point3(new cf_3DPoint(p3))
{
    TakeBounds();
}

cf_3DTextMarker::~cf_3DTextMarker()
{
    delete point1;
    delete point2;
    delete point3;
    DropText();
}

cf_3DTextMarker &cf_3DTextMarker::operator=(const cf_3DTextMarker &other)
{
    if (this == &other)
        return *this;
    cf_Virt3DObj::operator=(other);
    *point1 = *other.point1;
    *point2 = *other.point2;
    *point3 = *other.point3;
    std::copy(other.bounds, other.bounds + 6, bounds);
    std::copy(other.offset, other.offset + 3, offset);
    std::copy(other.scale, other.scale + 3, scale);
    drawLine12 = other.drawLine12;
    drawLine23 = other.drawLine23;
    labelAtPoint2 = other.labelAtPoint2;
    drawPoint1 = other.drawPoint1;
    drawPoint2 = other.drawPoint2;
    hasText = other.hasText;
    labelVisible = other.labelVisible;
    if (other.ownsText && other.text) {
        OwnText() = *other.text;
    } else {
        DropText();
        text = other.text;
    }
    return *this;
}

void cf_3DTextMarker::TakeBounds()
{
    const cf_3DPoint *p[3] = {point1, point2, point3};
    bounds[0] = bounds[1] = p[0]->MaxX();
    bounds[2] = bounds[3] = p[0]->MaxY();
    bounds[4] = bounds[5] = p[0]->MaxZ();
    for (const cf_3DPoint *q : p) {
        bounds[0] = std::max(bounds[0], q->MaxX());
        bounds[1] = std::min(bounds[1], q->MinX());
        bounds[2] = std::max(bounds[2], q->MaxY());
        bounds[3] = std::min(bounds[3], q->MinY());
        bounds[4] = std::max(bounds[4], q->MaxZ());
        bounds[5] = std::min(bounds[5], q->MinZ());
    }
}

void cf_3DTextMarker::Transform(const cf_Kernel &kernel)
{
    point1->Transform(kernel);
    point2->Transform(kernel);
    point3->Transform(kernel);
}

void cf_3DTextMarker::Project(const cf_Kernel &kernel)
{
    point1->Project(kernel);
    point2->Project(kernel);
    point3->Project(kernel);
}

void cf_3DTextMarker::Scale(double sx, double sy, double sz)
{
    double saved[3] = {offset[0], offset[1], offset[2]};
    Translate(-saved[0], -saved[1], -saved[2]);
    point1->Scale(sx, sy, sz);
    point2->Scale(sx, sy, sz);
    point3->Scale(sx, sy, sz);
    cf_ScaleBounds(bounds, scale, sx, sy, sz);
    Translate(saved[0], saved[1], saved[2]);
}

void cf_3DTextMarker::Translate(double dx, double dy, double dz)
{
    point1->Translate(dx, dy, dz);
    point2->Translate(dx, dy, dz);
    point3->Translate(dx, dy, dz);
    cf_MoveBounds(bounds, offset, dx, dy, dz);
}

cf_DispAttribs *cf_3DTextMarker::CreateDispAttribs()
{
    cf_DispAttribs *made = cf_Virt3DObj::CreateDispAttribs();
    point1->SetDispAttribs(made);
    point2->SetDispAttribs(made);
    point3->SetDispAttribs(made);
    return made;
}

void cf_3DTextMarker::SetDispAttribs(cf_DispAttribs *attribs)
{
    cf_Virt3DObj::SetDispAttribs(attribs);
    cf_DispAttribs *given = HasDispAttribs() ? DispAttribs() : nullptr;
    point1->SetDispAttribs(given);
    point2->SetDispAttribs(given);
    point3->SetDispAttribs(given);
}

void cf_3DTextMarker::SetLabelVisible(unsigned char f)
{
    if (hasText)
        labelVisible = f;
}

const wchar_t *cf_3DTextMarker::Text() const
{
    return text ? text->Text() : L"";
}

cf_String &cf_3DTextMarker::OwnText()
{
    if (!text || !ownsText) {
        text = new cf_String;
        ownsText = 1;
    }
    return *text;
}

void cf_3DTextMarker::DropText()
{
    if (ownsText)
        delete text;
    text = nullptr;
    ownsText = 0;
}

void cf_3DTextMarker::SetText(const wchar_t *chars)
{
    cf_String &own = OwnText();
    if (chars)
        own = chars;
    hasText = labelVisible = 1;
}

void cf_3DTextMarker::SetNumberText(double value, const wchar_t *format)
{
    OwnText().SetFormatted(value, format, 10);
    hasText = labelVisible = 1;
}

void cf_3DTextMarker::SetIntegerText(int value, const wchar_t *format)
{
    OwnText().SetFormatted(value, format, 10);
    hasText = labelVisible = 1;
}

void cf_3DTextMarker::AdoptText(cf_String *borrowed)
{
    if (!borrowed)
        return;
    DropText();
    text = borrowed;
    hasText = labelVisible = 1;
}
