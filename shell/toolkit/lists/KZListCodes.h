#pragma once
// Event numbers, flags and format bits of the toolkit's owner-drawn lists and
// bars: the scrolling unit window, the selector grid, the editable selector,
// the column-title bar and the tool bar. The window layer's own codes are in
// KZToolkitCodes.h.

#include <cstdint>

#include "shell/toolkit/KZToolkitCodes.h"

// Program events
constexpr int32_t kEvtCellEdited = 10017;            // posted to a list: its cell editor ended (value: end code)

// Framework events of the scrolling windows
constexpr int32_t kEvtScrollVertical = ZAF_EV_SCROLL_VERTICAL;      // scroll request, signed change in scroll.delta
constexpr int32_t kEvtScrollHorizontal = ZAF_EV_SCROLL_HORIZONTAL;
constexpr int32_t kEvtUpdateVerticalBar = -306;      // a scroller recomputes its vertical bar
constexpr int32_t kEvtUpdateHorizontalBar = -307;    // ... its horizontal bar
constexpr int32_t kEvtVerticalBarMoved = ZAF_EV_VERTICAL_SCROLLED;  // the user moved the support bar, change in scroll.delta
constexpr int32_t kEvtHorizontalBarMoved = ZAF_EV_HORIZONTAL_SCROLLED;
constexpr int32_t kEvtObjectAdded = ZAF_EV_REBUILD;             // an object was added to a shown window
constexpr int32_t kEvtObjectRemoved = ZAF_EV_UNREGISTER;        // an object is taken from its window

// Logical keys the lists react to (also the cell editor's end codes)
constexpr int32_t kEvtEnter = ZAF_L_SELECT;                      // (Escape is kEvtCancelKey)
constexpr int32_t kEvtKeyUp = ZAF_L_UP;
constexpr int32_t kEvtKeyDown = ZAF_L_DOWN;
constexpr int32_t kEvtKeyLeft = ZAF_L_LEFT;
constexpr int32_t kEvtKeyRight = ZAF_L_RIGHT;
constexpr int32_t kEvtShiftTab = ZAF_L_PREVIOUS;
constexpr int32_t kEvtTab = ZAF_L_NEXT;

// Mouse pointer images
constexpr int32_t kPointerText = ZAF_POINTER_IBEAM;
constexpr int32_t kPointerSizeWE = ZAF_POINTER_WE_SIZE;           // west-east sizing
constexpr int32_t kPointerSizeNS = ZAF_POINTER_NS_SIZE;           // north-south sizing

// Palette types and states the lists use
constexpr uint16_t kPaletteBackground = ZAF_PT_BACKGROUND;        // background fill
constexpr uint16_t kPaletteFaceText = ZAF_PT_FACE_TEXT;
constexpr uint16_t kPaletteText = ZAF_PT_TEXT;
constexpr uint16_t kStateSelected = ZAF_PS_SELECTED;             // added for the selected unit
constexpr uint16_t kStateGreyed = ZAF_PS_DISABLED;               // a greyed cell's text

// Scroller layout flags
constexpr uint32_t kScrollUnitWidthFollows = 0x4;    // the unit width is the client width
constexpr uint32_t kScrollRightAligned = 0x20;       // a narrow grid is drawn against the right edge

// Selector flags
constexpr uint32_t kSelectorTracking = 0x4;          // the mouse is held after a left press
constexpr uint32_t kSelectorHeaderFollows = 0x8;     // the header bar's cell size follows the unit width

// Selector cell format bits (set by the cell text)
constexpr uint32_t kCellCentred = 0x1;
constexpr uint32_t kCellRight = 0x2;                 // wins over centred
constexpr uint32_t kCellGreyed = 0x4;

// Selector cell parts
constexpr int kPartCell = 0;
constexpr int kPartEdge = 1;
constexpr int kPartContent = 2;                      // the cell shrunk by the margins
constexpr int kPartEditor = 3;                       // the editable selector's editor area

// Selector click modes
constexpr int kClickOnSelected = 1;                  // left press on the selected unit
constexpr int kClickRight = 2;                       // right press

// Editable selector flags
constexpr uint32_t kEditingActive = 0x1;             // an edit runs on the selected row

// Column-title bar flags and title format bits
constexpr uint32_t kSizerFirstMovable = 0x1;         // divider 0 may be dragged
constexpr uint32_t kSizerLastMovable = 0x2;          // the trailing divider may be dragged
constexpr uint32_t kSizerPressFocus = 0x4;           // a left press sends 10016 to the parent
constexpr uint32_t kTitleLeft = 0x1;
constexpr uint32_t kTitleCentred = 0x2;
constexpr uint32_t kTitleRight = 0x4;

// Tool-bar flags
constexpr uint32_t kToolBarNotifyParent = 0x1;       // a released button sends 10016 to the bar's parent
