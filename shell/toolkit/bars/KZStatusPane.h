#pragma once
// KZStatusPane: what the status bar's panes (KZStatusString, KZProgressBar)
// share: a pixel-coordinate window of zero geometry until the bar places it,
// that repaints itself only when what it shows changes and draws inside a
// one-pixel margin. It adds no data and no virtual functions of its own.
// Owned by the bar; GUI thread only.

#include "shell/toolkit/window/KZWindow.h"

class ZafGdiDisplay;

class KZStatusPane : public KZWindow
{
protected:
    KZStatusPane();

    // False when shown already equals value; else stores value, marks the
    // pane for repainting and answers true.
    template <class Shown>
    bool ChangeShown(Shown &shown, const Shown &value)
    {
        if (shown == value)
            return false;
        shown = value;
        KZWindowLeech::Redisplay();
        return true;
    }
    // Opens drawing and sets inside to the client area less the margin; null
    // (nothing opened) while the pane has no OS window or no GDI display.
    ZafGdiDisplay *BeginPaneDraw(KRect &inside);
    // One line of text in the pane's text colours and the default font,
    // centred down the rectangle; horizontal as DrawTextInRect takes it.
    void DrawPaneText(ZafGdiDisplay &display, const KRect &rect, const wchar_t *text, int horizontal);
};
