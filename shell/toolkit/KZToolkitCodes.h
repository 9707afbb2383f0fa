#pragma once
// Program event numbers, logical mouse events and accelerator bits of the
// toolkit's windows, menus and the MDI frame, and the toolkit's names for the
// framework events it reacts to. The application layer's own codes (exit
// query, menu opening, idle tick, dialog results) are in KZAppCodes.h.

#include <cstdint>

#include "framework/core/base/ZafConstants.h"
#include "shell/app/KZAppCodes.h"

// Program events
constexpr int32_t kEvtCascade = 10013;                        // arrange the child windows in a cascade
constexpr int32_t kEvtTileHorizontal = 10014;                 // tile the child windows horizontally
constexpr int32_t kEvtTileVertical = 10015;                   // tile the child windows vertically
constexpr int32_t kEvtTakeFocus = 10016;                      // a window is asked to take the keyboard focus
constexpr int32_t kEvtCloseQuery = 10018;                     // to a child window: may it close? 0 keeps it open
constexpr int32_t kEvtWindowMenuFirst = 10025;                // Window-menu entry of the first child window
constexpr int32_t kEvtWindowMenuLast = 10124;                 // ... of the hundredth
constexpr int32_t kEvtCloseChild = ZAF_EV_MDI_CLOSE;          // close the active child window

// Framework events the toolkit reacts to
constexpr int32_t kEvtRedisplay = ZAF_EV_REDRAW;              // repaint later (invalidate)
constexpr int32_t kEvtRedisplayNow = ZAF_EV_REDRAW_DATA;      // repaint at once
constexpr int32_t kEvtRelayout = ZAF_EV_SIZED;                // re-apply the layout constraints
constexpr int32_t kEvtClientResized = ZAF_EV_MOVED;           // the client area took a new size
constexpr int32_t kEvtMenuOpened = ZAF_EV_BECAME_CURRENT;     // a menu of the menu bar opened
constexpr int32_t kEvtMenuClosed = ZAF_EV_MAY_LEAVE;          // ... closed
constexpr int32_t kEvtPointerEntered = ZAF_EV_POINTER_ENTERED; // the mouse pointer entered an object
constexpr int32_t kEvtPointerLeft = ZAF_EV_POINTER_LEFT;      // ... left it
constexpr int32_t kEvtMDICascade = ZAF_EV_MDI_CASCADE;        // the framework MDI frame's cascade
constexpr int32_t kEvtMDITile = ZAF_EV_MDI_TILE;              // ... and horizontal tiling
constexpr int32_t kEvtLayout = ZAF_EV_COMPUTE_REGION;         // a constraint places its edge
constexpr int32_t kEvtNotHandled = ZAF_NOT_HANDLED;           // nobody handled the event

// Logical mouse events of the toolkit's windows
constexpr int32_t kEvtMouseMove = ZAF_L_MOVE;
constexpr int32_t kEvtLeftPress = ZAF_L_BEGIN_SELECT;
constexpr int32_t kEvtLeftDrag = ZAF_L_CONTINUE_SELECT;
constexpr int32_t kEvtLeftRelease = ZAF_L_END_SELECT;
constexpr int32_t kEvtRightPress = ZAF_L_BEGIN_ALT;
constexpr int32_t kEvtRightDrag = ZAF_L_CONTINUE_ALT;
constexpr int32_t kEvtRightRelease = ZAF_L_END_ALT;
constexpr int32_t kEvtLeftDoubleClick = ZAF_L_DOUBLE_CLICK;

// Accelerator value of a menu entry: the key in the low 16 bits and these modifiers
constexpr uint32_t kAccelKeyMask = 0xFFFF;
constexpr uint32_t kAccelCtrl = 0x1000000;
constexpr uint32_t kAccelAlt = 0x4000000;
constexpr uint32_t kAccelShift = 0x10000000;
constexpr uint32_t kAccelModifierMask = 0xF000000;            // bits 24-27: Ctrl is added when none is set

// Coordinate types of the framework
constexpr int kCoordCells = ZAF_CELL;
constexpr int kCoordPixels = ZAF_PIXEL;

// Selection type of the dialogs' windows and notebook pages: several children
// may be selected at once (check boxes are independent).
constexpr int kSeveralSelected = 1;
