#include "chart/attribs/cf_TextAttribs.h"

cf_TextAttribs::cf_TextAttribs()
{
    SetAnchorVCentre();
    SetAnchorHCentre();
}

cf_TextAttribs::cf_TextAttribs(bf_Color text, bf_Color back) : cf_TextAttribs()
{
    textColor = text.Index();
    backColor = back.Index();
}

void cf_TextAttribs::SetAnchorRight()
{
    anchorRight = 1;
    anchorLeft = anchorHCentre = 0;
}

void cf_TextAttribs::SetAnchorLeft()
{
    anchorLeft = 1;
    anchorRight = anchorHCentre = 0;
}

void cf_TextAttribs::SetAnchorHCentre()
{
    anchorHCentre = 1;
    anchorRight = anchorLeft = 0;
}

void cf_TextAttribs::SetVertical(unsigned char bottom, unsigned char top, unsigned char centre)
{
    anchorBottom = bottom;
    anchorTop = top;
    anchorVCentre = centre;
    sideA = sideB = 0;
}

void cf_TextAttribs::SetAnchorBottom() { SetVertical(1, 0, 0); }
void cf_TextAttribs::SetAnchorTop() { SetVertical(0, 1, 0); }
void cf_TextAttribs::SetAnchorVCentre() { SetVertical(0, 0, 1); }

void cf_TextAttribs::SetSideA()
{
    sideA = 1;
    sideB = 0;
}

void cf_TextAttribs::SetSideB()
{
    sideB = 1;
    sideA = 0;
}
