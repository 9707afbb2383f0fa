#pragma once
// cf_TextAttribs: the look of a chart text: the auto-scaled font, text and
// back colours, the anchoring of the text against its point (one horizontal
// and one vertical choice), two side flags read by the grid and tick series,
// and the format of numeric labels (default "%g"). Plain value.

#include "chart/attribs/cf_AutoScaleFont.h"
#include "chart/backend/bf_Color.h"
#include "chart/values/cf_String.h"

class cf_TextAttribs : public cf_AutoScaleFontSpec {
public:
    cf_TextAttribs(); // colours 0 and 15, centred both ways, format "%g"
    cf_TextAttribs(bf_Color text, bf_Color back);

    bf_Color TextColor() const { return bf_Color(textColor); }
    void SetTextColor(bf_Color c) { textColor = c.Index(); }
    bf_Color BackColor() const { return bf_Color(backColor); }
    void SetBackColor(bf_Color c) { backColor = c.Index(); }

    // Horizontal anchors: each sets its flag and clears the other two.
    void SetAnchorRight();
    void SetAnchorLeft();
    void SetAnchorHCentre();
    // Vertical anchors: each sets its flag, clears the other two and both
    // side flags.
    void SetAnchorBottom();
    void SetAnchorTop();
    void SetAnchorVCentre();
    // Side flags: each sets its own and clears the other.
    void SetSideA();
    void SetSideB();

    unsigned char AnchorRight() const { return anchorRight; }
    unsigned char AnchorLeft() const { return anchorLeft; }
    unsigned char AnchorHCentre() const { return anchorHCentre; }
    unsigned char AnchorBottom() const { return anchorBottom; }
    unsigned char AnchorTop() const { return anchorTop; }
    unsigned char AnchorVCentre() const { return anchorVCentre; }
    unsigned char SideA() const { return sideA; }
    unsigned char SideB() const { return sideB; }

    cf_String Format() const { return format; }
    void SetFormat(const wchar_t *fmt) { format = fmt; }

private:
    void SetVertical(unsigned char bottom, unsigned char top, unsigned char centre);

    unsigned char textColor = 0;
    unsigned char backColor = 15;
    unsigned char anchorRight = 0;
    unsigned char anchorLeft = 0;
    unsigned char anchorHCentre = 1;
    unsigned char anchorBottom = 0;
    unsigned char anchorTop = 0;
    unsigned char anchorVCentre = 1;
    unsigned char sideA = 0;
    unsigned char sideB = 0;
    cf_String format{L"%g"};
};
