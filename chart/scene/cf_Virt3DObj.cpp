#include "chart/scene/cf_Virt3DObj.h"

#include "chart/backend/bf_Display.h"

cf_Virt3DObj::cf_Virt3DObj()
    : prepared(0), dispAttribs(nullptr), hasDispAttribs(0), ownsDispAttribs(0),
      textAttribs(nullptr), hasTextAttribs(0), ownsTextAttribs(0), noBrush(0), textFlag(0),
      noPen(0), sortByOverlap(0), sortByDepth(0), cullBackFaces(0), noAttribs(0), visible(1)
{
}

cf_Virt3DObj::cf_Virt3DObj(cf_DispAttribs *borrowed) : cf_Virt3DObj()
{
    if (borrowed) {
        dispAttribs = borrowed;
        hasDispAttribs = 1;
    }
}

cf_Virt3DObj::cf_Virt3DObj(const cf_Virt3DObj &other) : cf_Virt3DObj()
{
    *this = other;
}

cf_Virt3DObj &cf_Virt3DObj::operator=(const cf_Virt3DObj &other)
{
    if (this == &other)
        return *this;
    noBrush = other.noBrush;
    textFlag = other.textFlag;
    noPen = other.noPen;
    sortByOverlap = other.sortByOverlap;
    sortByDepth = other.sortByDepth;
    cullBackFaces = other.cullBackFaces;
    noAttribs = other.noAttribs;
    prepared = other.prepared;
    visible = other.visible;

    DispSlot().CopyFrom(other.dispAttribs, other.hasDispAttribs, other.ownsDispAttribs);
    TextSlot().CopyFrom(other.textAttribs, other.hasTextAttribs, other.ownsTextAttribs);
    return *this;
}

cf_Virt3DObj::~cf_Virt3DObj()
{
    DropDispAttribs();
    DropTextAttribs();
}

void cf_Virt3DObj::DropDispAttribs()
{
    DispSlot().Drop();
}

void cf_Virt3DObj::DropTextAttribs()
{
    TextSlot().Drop();
}

cf_TextAttribs *cf_Virt3DObj::CreateTextAttribs()
{
    return TextSlot().Create();
}

void cf_Virt3DObj::SetTextAttribs(cf_TextAttribs *attribs)
{
    TextSlot().Borrow(attribs);
}

cf_DispAttribs *cf_Virt3DObj::CreateDispAttribs()
{
    return DispSlot().Create();
}

void cf_Virt3DObj::SetDispAttribs(cf_DispAttribs *attribs)
{
    DispSlot().Borrow(attribs);
}

cf_DispAttribs *cf_Virt3DObj::DispAttribs()
{
    if (!hasDispAttribs || !dispAttribs)
        return CreateDispAttribs();
    return dispAttribs;
}

cf_TextAttribs *cf_Virt3DObj::TextAttribs()
{
    if (!hasTextAttribs || !textAttribs)
        return CreateTextAttribs();
    return textAttribs;
}

void cf_Virt3DObj::Setup(const cf_Kernel &)
{
    prepared = 1;
}

void cf_Virt3DObj::Transform(const cf_Kernel &) {}

void cf_Virt3DObj::Project(const cf_Kernel &kernel)
{
    if (!prepared)
        Setup(kernel);
}

void cf_Virt3DObj::Scale(double, double, double) {}
void cf_Virt3DObj::Translate(double, double, double) {}
void cf_Virt3DObj::Draw(bf_Display *) {}
void cf_Virt3DObj::DrawFormA(bf_Display *) {}
void cf_Virt3DObj::DrawFormB(bf_Display *) {}

void cf_Virt3DObj::SelectPen(bf_Display *display)
{
    if (noAttribs || noPen)
        return;
    if (hasDispAttribs && dispAttribs)
        dispAttribs->SelectPen(display);
    else
        display->SelectPen(new bf_Pen(bf_Black, 0, 1));
}

void cf_Virt3DObj::ReleasePen(bf_Display *display)
{
    if (noAttribs || noPen)
        return;
    delete display->PopPen();
}

void cf_Virt3DObj::SelectBrush(bf_Display *display)
{
    if (noAttribs || noBrush)
        return;
    if (hasDispAttribs && dispAttribs)
        dispAttribs->SelectBrush(display);
    else
        display->SelectBrush(new bf_Brush(bf_White));
}

void cf_Virt3DObj::ReleaseBrush(bf_Display *display)
{
    if (noAttribs || noBrush)
        return;
    delete display->PopBrush();
}
