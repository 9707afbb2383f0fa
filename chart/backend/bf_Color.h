#pragma once
// bf_Color, bf_Pen and bf_Brush: the small value types that chart objects
// hand to bf_Display. A colour is one byte, the framework's colour number
// (0 black .. 15 white in use). Plain values.

class bf_Color {
public:
    bf_Color() : index(0) {}
    bf_Color(unsigned char number) : index(number) {}

    unsigned char Index() const { return index; }
    bool operator==(const bf_Color &o) const { return index == o.index; }
    bool operator!=(const bf_Color &o) const { return index != o.index; }

private:
    unsigned char index;
};

// The two colours every chart module keeps at hand.
const bf_Color bf_Black(0);
const bf_Color bf_White(15);

// A pen: colour, framework line style (0 solid) and width in pixels.
class bf_Pen {
public:
    explicit bf_Pen(bf_Color c) : color(c), style(0), width(1) {}
    bf_Pen(bf_Color c, int lineStyle, int lineWidth) : color(c), style(lineStyle), width(lineWidth) {}

    bf_Color color;
    int style;
    int width;
};

// A brush: colour and framework fill pattern (0 solid).
class bf_Brush {
public:
    explicit bf_Brush(bf_Color c) : color(c), style(0) {}
    bf_Brush(bf_Color c, int fillStyle) : color(c), style(fillStyle) {}

    bf_Color color;
    int style;
};
