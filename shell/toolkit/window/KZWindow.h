#pragma once
// KZWindow: the toolkit's plain container, a framework window with the window
// leech. Each event goes to the leech first; the rest is mapped (mouse
// events by the toolkit's own mouse map) and handled by the framework
// window, after which a new client size or layout redraws the window when
// the leech's full-redraw flag asks for it. Owned by its parent window (or
// the window manager) once added; GUI thread only.

#include "framework/core/objects/ZafWindow.h"
#include "shell/toolkit/window/KZWindowLeech.h"

class KZWindow : public ZafWindow, public KZWindowLeech
{
public:
    // Position and size in the framework's default coordinate type (cells).
    KZWindow(int left, int top, int width, int height);
    ~KZWindow() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // The framework's mapping, except that mouse events whose button state
    // is in the mouse map give the map's logical event: a double click maps
    // like a press, a state of several buttons keeps the framework's code.
    ZafLogicalEvent MapEvent(ZafEventStruct &event) override;

    // The names both bases offer, as overloads of each other.
    using ZafWindow::Redisplay;
    using KZWindowLeech::Redisplay;
    using ZafWindow::DrawBackground;
    using KZWindowLeech::DrawBackground;
    using ZafWindow::DrawEdge;
    using KZWindowLeech::DrawEdge;

    // One row of the mouse map.
    struct MouseMapRow
    {
        ZafLogicalEvent logicalEvent;   // ZAF_NO_EVENT ends the map
        ZafEventType inputClass;        // 30 mouse
        ZafRawCode mouseState;          // the framework's mouse state word
        ZafUInt32 modifiers;            // not compared
    };
    static const MouseMapRow mouseMap[];
};
