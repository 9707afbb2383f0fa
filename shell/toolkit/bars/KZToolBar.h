#pragma once
// KZToolBar: the toolkit's tool bar, a framework tool bar bound to the program
// through the window leech. Docked at one edge of its window (0 top, 1 left, 2
// bottom, 3 right), it holds a row of items and may show a text after the last
// one. It never takes the focus. With flag 0x1 a released button of the bar
// asks the bar's parent window to take the focus (kEvtTakeFocus). Owned by its
// window once added; GUI thread only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "framework/controls/ZafToolBar.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZToolBar : public ZafToolBar, public KZWindowLeech
{
public:
    // thickness in pixels; -1: the bar sizes itself to its items, wrapping
    // them into rows.
    KZToolBar(int dockPosition, int thickness);
    ~KZToolBar() override;

    // The leech first; after the framework's layout events the bar is
    // redrawn when the full-redraw flag asks for it.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The framework bar's drawing, then the text.
    virtual ZafEventType Draw(const ZafEventStruct &event, ZafEventType code);
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override { return Draw(event, code); }
    using KZWindowLeech::Redisplay;
    using ZafWindow::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafWindow::DrawEdge;
    using KZWindowLeech::DrawEdge;
    // The bar's whole area from (0, 0).
    KRect ClientRect() override;

    // Stores a different text and redisplays the bar (a bar with a text is
    // redrawn whole after each resize); true when the text changed.
    bool SetText(const KString &text);
    const KString &BarText() const { return text; }
    int Thickness() const { return thickness; }
    uint32_t ToolBarFlags() const { return toolBarFlags; }
    void SetToolBarFlags(uint32_t flags) { toolBarFlags = flags; }
    // Docked at the top or bottom.
    bool IsHorizontal() const;

private:
    void DrawBarText();

    int thickness;
    uint32_t toolBarFlags;
    KString text;
};
