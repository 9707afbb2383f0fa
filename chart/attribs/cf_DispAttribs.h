#pragma once
// cf_DispAttribs: how a series or shape looks: line colour (default 0), fill
// colour (default 15), line style, line width, fill style and the two
// point-marking flags. It turns itself into a pen and a brush on a
// bf_Display; every select is paired with one release in the same drawing
// step. Plain value.

#include "chart/backend/bf_Color.h"

class bf_Display;

class cf_DispAttribs {
public:
    cf_DispAttribs() = default;

    bf_Color LineColor() const { return bf_Color(lineColor); }
    void SetLineColor(bf_Color c) { lineColor = c.Index(); }
    bf_Color FillColor() const { return bf_Color(fillColor); }
    void SetFillColor(bf_Color c) { fillColor = c.Index(); }
    int LineStyle() const { return lineStyle; }
    void SetLineStyle(int style) { lineStyle = style; }
    int LineWidth() const { return lineWidth; }
    void SetLineWidth(int width) { lineWidth = width; }
    int FillStyle() const { return fillStyle; }
    void SetFillStyle(int style) { fillStyle = style; }
    unsigned char MarkPointsA() const { return markPointsA; }
    void SetMarkPointsA(unsigned char flag) { markPointsA = flag; }
    unsigned char MarkPointsB() const { return markPointsB; }
    void SetMarkPointsB(unsigned char flag) { markPointsB = flag; }

    // Pushes a pen (line colour, style, width) / a brush (fill colour).
    void SelectPen(bf_Display *display) const;
    void SelectBrush(bf_Display *display) const;
    // Pops the current pen / brush and deletes it.
    void ReleasePen(bf_Display *display) const;
    void ReleaseBrush(bf_Display *display) const;

private:
    unsigned char lineColor = 0;
    unsigned char fillColor = 15;
    int lineStyle = 0;
    int lineWidth = 1;
    int fillStyle = 0;
    unsigned char markPointsA = 0;
    unsigned char markPointsB = 0;
};
