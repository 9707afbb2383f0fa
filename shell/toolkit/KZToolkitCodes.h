#pragma once
// Program event numbers, logical mouse events and accelerator bits of the
// toolkit's windows, menus and the MDI frame. The application layer's own
// codes (exit query, menu opening, idle tick, dialog results) are in
// KZAppCodes.h.

#include <cstdint>

#include "shell/app/KZAppCodes.h"

// Program events
constexpr int32_t kEvtCascade = 10013;               // arrange the child windows in a cascade
constexpr int32_t kEvtTileHorizontal = 10014;        // tile the child windows horizontally
constexpr int32_t kEvtTileVertical = 10015;          // tile the child windows vertically
constexpr int32_t kEvtTakeFocus = 10016;             // a window is asked to take the keyboard focus
constexpr int32_t kEvtCloseQuery = 10018;            // to a child window: may it close? 0 keeps it open
constexpr int32_t kEvtWindowMenuFirst = 10025;       // Window-menu entry of the first child window
constexpr int32_t kEvtWindowMenuLast = 10124;        // ... of the hundredth
constexpr int32_t kEvtCloseChild = -501;             // close the active child window

// Framework events the toolkit reacts to
constexpr int32_t kEvtRedisplay = -17;               // repaint later (invalidate)
constexpr int32_t kEvtRedisplayNow = -16;            // repaint at once
constexpr int32_t kEvtRelayout = -3504;              // re-apply the layout constraints
constexpr int32_t kEvtClientResized = -3505;         // the client area took a new size
constexpr int32_t kEvtMenuOpened = -3502;            // a menu of the menu bar opened
constexpr int32_t kEvtMenuClosed = -3503;            // ... closed
constexpr int32_t kEvtPointerEntered = -3509;        // the mouse pointer entered an object
constexpr int32_t kEvtPointerLeft = -3510;           // ... left it
constexpr int32_t kEvtMDICascade = -508;             // the framework MDI frame's cascade
constexpr int32_t kEvtMDITile = -509;                // ... and horizontal tiling
constexpr int32_t kEvtLayout = -201;                 // a constraint places its edge
constexpr int32_t kEvtNotHandled = -2;               // nobody handled the event

// Logical mouse events of the toolkit's windows
constexpr int32_t kEvtMouseMove = 1001;
constexpr int32_t kEvtLeftPress = 1003;
constexpr int32_t kEvtLeftDrag = 1004;
constexpr int32_t kEvtLeftRelease = 1005;
constexpr int32_t kEvtRightPress = 1006;
constexpr int32_t kEvtRightDrag = 1007;
constexpr int32_t kEvtRightRelease = 1008;
constexpr int32_t kEvtLeftDoubleClick = 1012;

// Accelerator value of a menu entry: the key in the low 16 bits and these modifiers
constexpr uint32_t kAccelKeyMask = 0xFFFF;
constexpr uint32_t kAccelCtrl = 0x1000000;
constexpr uint32_t kAccelAlt = 0x4000000;
constexpr uint32_t kAccelShift = 0x10000000;
constexpr uint32_t kAccelModifierMask = 0xF000000;   // bits 24-27: Ctrl is added when none is set

// Framework menu entry kinds
constexpr int kItemNormal = 0;
constexpr int kItemSeparator = 7;

// Coordinate types of the framework
constexpr int kCoordCells = 0;
constexpr int kCoordPixels = 2;
