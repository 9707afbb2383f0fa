#pragma once
// The framework's numbers in one place: class number ids, device types and
// states, coordinate types, input classes, event types and handler answers,
// palette markers. Every other file refers to these names.

#include "framework/core/base/ZafTypes.h"

// ---- Handler answers --------------------------------------------------------
constexpr ZafEventType ZAF_REFUSED = -1;         // close or exit query refused
constexpr ZafEventType ZAF_NOT_HANDLED = -2;     // pass the event on
constexpr ZafEventType ZAF_MODAL_GONE = -3;      // the modal window has gone
constexpr ZafEventType ZAF_NO_EVENT = 9999;      // empty Get, missing map entry

// ---- Class number ids -------------------------------------------------------
constexpr ZafClassID ZAF_ID_BORDER = 1;
constexpr ZafClassID ZAF_ID_BUTTON = 2;
constexpr ZafClassID ZAF_ID_ICON = 5;
constexpr ZafClassID ZAF_ID_INTEGER = 6;
constexpr ZafClassID ZAF_ID_MAXIMIZE_BUTTON = 7;
constexpr ZafClassID ZAF_ID_MINIMIZE_BUTTON = 8;
constexpr ZafClassID ZAF_ID_PROMPT = 11;
constexpr ZafClassID ZAF_ID_REAL = 12;
constexpr ZafClassID ZAF_ID_STRING = 13;
constexpr ZafClassID ZAF_ID_TEXT = 15;
constexpr ZafClassID ZAF_ID_TITLE = 17;
constexpr ZafClassID ZAF_ID_POP_UP_ITEM = 19;
constexpr ZafClassID ZAF_ID_BACKGROUND_PAINTER = 20; // support object painting a window's background
constexpr ZafClassID ZAF_ID_MESSAGE_WINDOW = 21;
constexpr ZafClassID ZAF_ID_DIALOG_WINDOW = 22;
constexpr ZafClassID ZAF_ID_CHART_STUB = 30;
constexpr ZafClassID ZAF_ID_LIST = 1001;             // the list classes (combo box, vertical list)
constexpr ZafClassID ZAF_ID_POP_UP_MENU = 1002;
constexpr ZafClassID ZAF_ID_PULL_DOWN_ITEM = 1003;
constexpr ZafClassID ZAF_ID_PULL_DOWN_MENU = 1004;
constexpr ZafClassID ZAF_ID_SCROLL_BAR = 1005;
constexpr ZafClassID ZAF_ID_SYSTEM_BUTTON = 1006;
constexpr ZafClassID ZAF_ID_WINDOW = 1007;
constexpr ZafClassID ZAF_ID_COMBO_BOX = 1008;
constexpr ZafClassID ZAF_ID_TOOL_BAR = 1009;
constexpr ZafClassID ZAF_ID_VT_LIST = 1010;
constexpr ZafClassID ZAF_ID_STATUS_BAR = 1015;
constexpr ZafClassID ZAF_ID_NOTEBOOK = 1018;
constexpr ZafClassID ZAF_ID_CONSTRAINT = 1019;
constexpr ZafClassID ZAF_ID_ATTACHMENT = 1020;
constexpr ZafClassID ZAF_ID_DIMENSION_CONSTRAINT = 1021;
constexpr ZafClassID ZAF_ID_RELATIVE_CONSTRAINT = 1022;
constexpr ZafClassID ZAF_ID_WINDOW_MANAGER = 2001;
constexpr ZafClassID ZAF_ID_GEOMETRY_MANAGER = 2003;
constexpr ZafClassID ZAF_ID_MDI_WINDOW = 2011;
constexpr ZafClassID ZAF_ID_STRING_DATA = 3105;
// Classes whose ids only this framework needs (kept clear of the ones above).
constexpr ZafClassID ZAF_ID_ELEMENT = 4000;
constexpr ZafClassID ZAF_ID_WINDOW_OBJECT = 4001;
constexpr ZafClassID ZAF_ID_DEVICE = 4002;
constexpr ZafClassID ZAF_ID_KEYBOARD = 4010;
constexpr ZafClassID ZAF_ID_MOUSE = 4030;
constexpr ZafClassID ZAF_ID_CURSOR = 4050;
constexpr ZafClassID ZAF_ID_HELP_TIPS = 4071;
constexpr ZafClassID ZAF_ID_DATA = 4100;
constexpr ZafClassID ZAF_ID_PALETTE_DATA = 4101;
constexpr ZafClassID ZAF_ID_BITMAP_DATA = 4102;
constexpr ZafClassID ZAF_ID_ICON_DATA = 4103;
constexpr ZafClassID ZAF_ID_MOUSE_DATA = 4104;
constexpr ZafClassID ZAF_ID_FORMAT_DATA = 4105;
constexpr ZafClassID ZAF_ID_INTEGER_DATA = 4106;
constexpr ZafClassID ZAF_ID_REAL_DATA = 4107;
constexpr ZafClassID ZAF_ID_SCROLL_DATA = 4108;
constexpr ZafClassID ZAF_ID_CODE_SET_DATA = 4109;
constexpr ZafClassID ZAF_ID_LANGUAGE_DATA = 4110;
constexpr ZafClassID ZAF_ID_LOCALE_DATA = 4111;

// ---- Devices ----------------------------------------------------------------
constexpr ZafDeviceType ZAF_DEVICE_NONE = 0;
constexpr ZafDeviceType ZAF_KEYBOARD = 10;
constexpr ZafDeviceType ZAF_MOUSE = 30;
constexpr ZafDeviceType ZAF_CARET = 50;          // the text cursor (ZafCursor)
constexpr ZafDeviceType ZAF_HELP_TIPS = 71;
constexpr ZafDeviceType ZAF_ALL_DEVICES = 99;    // BroadcastToDevices: every device

constexpr ZafDeviceState ZAF_DEVICE_OFF = -3000;
constexpr ZafDeviceState ZAF_DEVICE_ON = -3001;
constexpr ZafEventType ZAF_DEVICE_STATE_QUERY = -3005;
constexpr ZafEventType ZAF_DEVICE_ADDED = -3006;
constexpr ZafEventType ZAF_DEVICE_REMOVED = -3007;
constexpr ZafEventType ZAF_DEVICE_MOVE_POINTER = -3008;
constexpr ZafEventType ZAF_CARET_INSERT = -3100;     // caret modes
constexpr ZafEventType ZAF_CARET_OVERSTRIKE = -3101;
constexpr ZafEventType ZAF_POINTER_ARROW = -3200;    // pointer images -3200 .. -3299
constexpr ZafEventType ZAF_POINTER_IBEAM = -3201;
constexpr ZafEventType ZAF_POINTER_BUSY = -3202;
constexpr ZafEventType ZAF_POINTER_WE_SIZE = -3205;
constexpr ZafEventType ZAF_POINTER_NS_SIZE = -3207;
constexpr ZafEventType ZAF_POINTER_LAST = -3299;
constexpr ZafEventType ZAF_TIPS_FOLLOW_OBJECT = -3300;
constexpr ZafEventType ZAF_SHOW_STATUS_TEXT = -3301;

// ---- Coordinate types (fifth word of a region) -----------------------------
constexpr ZafCoordinateType ZAF_CELL = 0;
constexpr ZafCoordinateType ZAF_MINICELL = 1;
constexpr ZafCoordinateType ZAF_PIXEL = 2;
constexpr ZafCoordinateType ZAF_POINTS = 3;          // 1/72 inch
constexpr ZafCoordinateType ZAF_TWIPS = 4;           // 1/1440 inch
constexpr ZafCoordinateType ZAF_MILS = 5;            // 1/1000 inch
constexpr ZafCoordinateType ZAF_TENTH_MM = 6;        // 1/254 inch

// ---- Input classes (ZafEventStruct::InputClass) ----------------------------
constexpr ZafEventType ZAF_INPUT_KEYBOARD = 10;
constexpr ZafEventType ZAF_INPUT_MOUSE = 30;
constexpr ZafEventType ZAF_INPUT_SYSTEM = -2999;
constexpr ZafEventType ZAF_INPUT_USER = 100;

// ---- Event types ------------------------------------------------------------
constexpr ZafEventType ZAF_EVENT_NONE = 0;
constexpr ZafEventType ZAF_EVENT_OS = 1;             // raw operating-system message
// object life
constexpr ZafEventType ZAF_EV_SETTLE = -9;           // settle ids and pixel coordinates
constexpr ZafEventType ZAF_EV_REBUILD = -10;
constexpr ZafEventType ZAF_EV_REGISTER = -26;
constexpr ZafEventType ZAF_EV_UNREGISTER = -27;
constexpr ZafEventType ZAF_EV_OS_WINDOW_GONE = -20;
// drawing
constexpr ZafEventType ZAF_EV_REDRAW = -17;
constexpr ZafEventType ZAF_EV_REDRAW_AREA = -28;
constexpr ZafEventType ZAF_EV_REDRAW_DATA = -16;
// focus
constexpr ZafEventType ZAF_EV_FOCUS_GAINED = -204;
constexpr ZafEventType ZAF_EV_FOCUS_LOST = -13;
constexpr ZafEventType ZAF_EV_RESTORE_FOCUS = -37;
constexpr ZafEventType ZAF_EV_ACTIVATE = -50;
constexpr ZafEventType ZAF_EV_BECAME_CURRENT = -3502;
constexpr ZafEventType ZAF_EV_MAY_LEAVE = -3503;
// geometry
constexpr ZafEventType ZAF_EV_SET_REGION = -200;
constexpr ZafEventType ZAF_EV_COMPUTE_REGION = -201;
constexpr ZafEventType ZAF_EV_SIZED = -3504;
constexpr ZafEventType ZAF_EV_MOVED = -3505;
// window commands
constexpr ZafEventType ZAF_EV_MINIMIZE = -4;
constexpr ZafEventType ZAF_EV_MAXIMIZE = -5;
constexpr ZafEventType ZAF_EV_RESTORE = -25;
constexpr ZafEventType ZAF_EV_CLOSE = -11;
constexpr ZafEventType ZAF_EV_CLOSE_TEMPORARY = -18;
constexpr ZafEventType ZAF_EV_EXIT = -32;
constexpr ZafEventType ZAF_EV_MOVE = -35;
constexpr ZafEventType ZAF_EV_SIZE = -36;
constexpr ZafEventType ZAF_EV_LAST_WINDOW_GONE = -7;
constexpr ZafEventType ZAF_EV_MDI_CLOSE = -501;
constexpr ZafEventType ZAF_EV_MDI_MAXIMIZE = -502;
constexpr ZafEventType ZAF_EV_MDI_MINIMIZE = -503;
constexpr ZafEventType ZAF_EV_MDI_RESTORE = -504;
constexpr ZafEventType ZAF_EV_MDI_NEXT = -505;
constexpr ZafEventType ZAF_EV_MDI_CASCADE = -508;
constexpr ZafEventType ZAF_EV_MDI_TILE = -509;
constexpr ZafEventType ZAF_EV_SYSTEM_MAXIMIZED = -3512;
constexpr ZafEventType ZAF_EV_SYSTEM_MINIMIZED = -3513;
constexpr ZafEventType ZAF_EV_SYSTEM_RESTORED = -3514;
constexpr ZafEventType ZAF_EV_CLOSE_QUERY = -3500;
constexpr ZafEventType ZAF_EV_EXIT_QUERY = -3501;
constexpr ZafEventType ZAF_EV_WM_COMMAND_FIRST = -3640; // window manager commands -3640 .. -3600
constexpr ZafEventType ZAF_EV_WM_COMMAND_LAST = -3600;
// editing and keys
constexpr ZafEventType ZAF_EV_CUT = -29;
constexpr ZafEventType ZAF_EV_PASTE = -30;
constexpr ZafEventType ZAF_EV_COPY = -31;
constexpr ZafEventType ZAF_EV_COPY_VALUE = -420;
constexpr ZafEventType ZAF_EV_SHARE_VALUE = -421;
constexpr ZafEventType ZAF_EV_HOT_KEY = -120;
constexpr ZafEventType ZAF_EV_DEFAULT_BUTTON = -220;
constexpr ZafEventType ZAF_EV_HELP = -34;
// children
constexpr ZafEventType ZAF_EV_ADD_OBJECT = -400;
constexpr ZafEventType ZAF_EV_SUBTRACT_OBJECT = -401;
// scrolling
constexpr ZafEventType ZAF_EV_SCROLL_VERTICAL = -300;
constexpr ZafEventType ZAF_EV_SCROLL_HORIZONTAL = -301;
constexpr ZafEventType ZAF_EV_SET_VERTICAL_SCROLL = -302;
constexpr ZafEventType ZAF_EV_SET_HORIZONTAL_SCROLL = -303;
constexpr ZafEventType ZAF_EV_VERTICAL_SCROLLED = -3506;
constexpr ZafEventType ZAF_EV_HORIZONTAL_SCROLLED = -3507;
constexpr ZafEventType ZAF_EV_PAGE_CHANGED = -3508;
// drag and drop, design mode, language
constexpr ZafEventType ZAF_EV_DRAG_FIRST = -412;     // -412 .. -403
constexpr ZafEventType ZAF_EV_DRAG_LAST = -403;
constexpr ZafEventType ZAF_EV_DESIGN_FIRST = -4502;  // -4502 .. -4500
constexpr ZafEventType ZAF_EV_DESIGN_LAST = -4500;
constexpr ZafEventType ZAF_EV_LANGUAGE_CHANGED = -3511;
// pointer tracking
constexpr ZafEventType ZAF_EV_POINTER_ENTERED = -3509;
constexpr ZafEventType ZAF_EV_POINTER_LEFT = -3510;

// ---- Logical input events ---------------------------------------------------
constexpr ZafLogicalEvent ZAF_L_MOVE = 1001;
constexpr ZafLogicalEvent ZAF_L_SELECT = 1002;       // Enter; selection notice
constexpr ZafLogicalEvent ZAF_L_BEGIN_SELECT = 1003; // left press
constexpr ZafLogicalEvent ZAF_L_CONTINUE_SELECT = 1004;
constexpr ZafLogicalEvent ZAF_L_END_SELECT = 1005;
constexpr ZafLogicalEvent ZAF_L_BEGIN_ALT = 1006;    // right press
constexpr ZafLogicalEvent ZAF_L_CONTINUE_ALT = 1007;
constexpr ZafLogicalEvent ZAF_L_END_ALT = 1008;
constexpr ZafLogicalEvent ZAF_L_HELP = 1009;         // F1
constexpr ZafLogicalEvent ZAF_L_CANCEL = 1010;       // Escape
constexpr ZafLogicalEvent ZAF_L_DOUBLE_CLICK = 1012;
constexpr ZafLogicalEvent ZAF_L_UP = 1050;
constexpr ZafLogicalEvent ZAF_L_DOWN = 1051;
constexpr ZafLogicalEvent ZAF_L_LEFT = 1052;
constexpr ZafLogicalEvent ZAF_L_RIGHT = 1053;
constexpr ZafLogicalEvent ZAF_L_PREVIOUS = 1054;     // Shift+Tab
constexpr ZafLogicalEvent ZAF_L_NEXT = 1055;         // Tab
constexpr ZafLogicalEvent ZAF_L_PAGE_UP = 1058;
constexpr ZafLogicalEvent ZAF_L_PAGE_DOWN = 1059;

// ---- Modifier bits (event modifier word and input-map modifier field) ------
constexpr ZafUInt32 ZAF_SHIFT = 0x0003;
constexpr ZafUInt32 ZAF_CTRL = 0x0004;
constexpr ZafUInt32 ZAF_ALT = 0x0008;
constexpr ZafUInt32 ZAF_NUM_LOCK = 0x0020;
constexpr ZafUInt32 ZAF_CAPS_LOCK = 0x0040;
constexpr ZafUInt32 ZAF_INSERT = 0x0080;
constexpr ZafUInt32 ZAF_KEY_PRESS = 0x0200;
constexpr ZafUInt32 ZAF_KEY_RELEASE = 0x0400;
constexpr ZafUInt32 ZAF_DOUBLE_CLICK = 0x0800;

// ---- Event manager Get/Put flags -------------------------------------------
constexpr ZafUInt32 ZAF_NO_WAIT = 0x01;              // Get: answer at once when empty
constexpr ZafUInt32 ZAF_QUEUE_BACK = 0x02;           // Get: take from the back; Put: add at the back
constexpr ZafUInt32 ZAF_PEEK = 0x04;                 // Get: copy, leave in the queue
constexpr ZafUInt32 ZAF_QUEUE_ONLY = 0x08;           // Get: neither OS queue nor devices

// ---- Notification kinds and observer value bits ----------------------------
constexpr ZafUpdateCode ZAF_UPDATE_READ = 1;         // read the screen into the data
constexpr ZafUpdateCode ZAF_UPDATE_CHANGED = 2;      // the data changed
constexpr ZafUInt32 ZAF_NOTIFY_READ = 0x01;          // observer takes kind 1
constexpr ZafUInt32 ZAF_NOTIFY_CHANGED = 0x02;       // observer takes kind 2

// ---- Palette markers, types and states --------------------------------------
constexpr ZafUInt8 ZAF_UNSET_STYLE = 255;            // line style, fill pattern, font
constexpr ZafUInt8 ZAF_SYSTEM_STYLE = 254;
constexpr ZafUInt8 ZAF_PARENT_STYLE = 253;
constexpr ZafUInt8 ZAF_UNSET_COLOR = 254;            // the four colour bytes
constexpr ZafUInt8 ZAF_SYSTEM_COLOR = 253;
constexpr ZafUInt8 ZAF_PARENT_COLOR = 252;
constexpr ZafUInt32 ZAF_UNSET_OS_COLOR = 0xFFFFFFFFu;

constexpr ZafPaletteType ZAF_PT_RESERVED = 0x01;
constexpr ZafPaletteType ZAF_PT_BACKGROUND = 0x02;
constexpr ZafPaletteType ZAF_PT_FACE_TEXT = 0x04;
constexpr ZafPaletteType ZAF_PT_TEXT = 0x08;
constexpr ZafPaletteType ZAF_PT_LIGHT_EDGE = 0x20;
constexpr ZafPaletteType ZAF_PT_DARK_EDGE = 0x40;
constexpr ZafPaletteType ZAF_PT_FOCUS = 0x80;
constexpr ZafPaletteType ZAF_PT_ANY = 0xFFFF;

constexpr ZafPaletteState ZAF_PS_ROOT_CURRENT = 0x01;
constexpr ZafPaletteState ZAF_PS_CURRENT = 0x02;
constexpr ZafPaletteState ZAF_PS_ROOT_NOT_CURRENT = 0x04;
constexpr ZafPaletteState ZAF_PS_SELECTED = 0x08;
constexpr ZafPaletteState ZAF_PS_DISABLED = 0x10;
constexpr ZafPaletteState ZAF_PS_ENABLED = 0x20;
constexpr ZafPaletteState ZAF_PS_NOT_SELECTED = 0x40;
constexpr ZafPaletteState ZAF_PS_NOT_CURRENT = 0x80;

// ---- Error codes ------------------------------------------------------------
constexpr ZafError ZAF_ERROR_NONE = 0;

// ---- Event handling: drag and drop, design mode, pointer images and the
// window manager's commands -----------------------------------------------------
constexpr ZafEventType ZAF_EV_DRAG_MOVE = -403;          // over a target: move (Shift)
constexpr ZafEventType ZAF_EV_DRAG_COPY = -404;          // over a target: copy (Ctrl)
constexpr ZafEventType ZAF_EV_DROP_MOVE = -405;          // released: move the text
constexpr ZafEventType ZAF_EV_DROP_COPY = -406;          // released: copy the text
constexpr ZafEventType ZAF_EV_DRAG_MOVE_COPY = -407;     // over a target with Ctrl+Shift
constexpr ZafEventType ZAF_EV_DROP_MOVE_COPY = -408;     // released with Ctrl+Shift
constexpr ZafEventType ZAF_EV_BEGIN_DRAG = -409;         // the object becomes the drag object
constexpr ZafEventType ZAF_EV_END_DRAG = -410;
constexpr ZafEventType ZAF_EV_DRAG_DEFAULT = -411;       // over a target, no keys
constexpr ZafEventType ZAF_EV_DROP_DEFAULT = -412;       // released, no keys
constexpr ZafEventType ZAF_EV_DESIGN_CREATED = -4500;    // design mode: an object was placed (class id, object)
constexpr ZafEventType ZAF_EV_DESIGN_EDIT = -4501;       // design mode: edit the object
constexpr ZafEventType ZAF_EV_DESIGN_MOVED = -4502;      // design mode: raw code and position
constexpr ZafEventType ZAF_POINTER_CROSS = -3203;
constexpr ZafEventType ZAF_POINTER_MOVE = -3204;
constexpr ZafEventType ZAF_POINTER_W_SIZE = -3205;
constexpr ZafEventType ZAF_POINTER_E_SIZE = -3206;
constexpr ZafEventType ZAF_POINTER_N_SIZE = -3207;
constexpr ZafEventType ZAF_POINTER_S_SIZE = -3208;
constexpr ZafEventType ZAF_POINTER_NW_SIZE = -3209;
constexpr ZafEventType ZAF_POINTER_NE_SIZE = -3210;
constexpr ZafEventType ZAF_POINTER_SW_SIZE = -3211;
constexpr ZafEventType ZAF_POINTER_SE_SIZE = -3212;
constexpr ZafEventType ZAF_POINTER_NO_DROP = -3213;
constexpr ZafEventType ZAF_POINTER_DRAG_MOVE = -3215;
constexpr ZafEventType ZAF_POINTER_DRAG_COPY = -3216;
constexpr ZafEventType ZAF_EV_FRONT_COMMAND = -3600;     // -3600, -3601: for the front window (text)
constexpr ZafEventType ZAF_EV_FRONT_COMMAND_2 = -3601;
constexpr ZafEventType ZAF_EV_OPEN_BY_NAME = -3602;      // text: "path~name" or "name"
constexpr ZafEventType ZAF_EV_CLOSE_BY_NAME = -3603;     // text: a top-level window's string id
constexpr ZafEventType ZAF_EV_CHANGE_LANGUAGE = -3620;   // text: a locale name
constexpr ZafEventType ZAF_EV_MINIMIZE_ALL = -3630;
constexpr ZafEventType ZAF_EV_RESTORE_ALL = -3631;
constexpr ZafEventType ZAF_EV_HELP_TOPIC = -3640;        // text: a help topic
constexpr ZafLogicalEvent ZAF_L_ESCAPE_WINDOW = 1020;    // the window manager's Esc
constexpr ZafLogicalEvent ZAF_L_FIRST_WINDOW = 1040;     // locates the first window that is not temporary

// ---- Fixed ids of the support objects (frame parts, menus, bars) -----------
constexpr ZafNumberID ZAF_NUMID_BORDER = -1;
constexpr ZafNumberID ZAF_NUMID_MAXIMIZE = -2;
constexpr ZafNumberID ZAF_NUMID_MINIMIZE = -3;
constexpr ZafNumberID ZAF_NUMID_SYSTEM = -4;
constexpr ZafNumberID ZAF_NUMID_TITLE = -5;
constexpr ZafNumberID ZAF_NUMID_HZ_SCROLL = -6;          // horizontal scroll bar
constexpr ZafNumberID ZAF_NUMID_VT_SCROLL = -7;          // vertical scroll bar
constexpr ZafNumberID ZAF_NUMID_CORNER_SCROLL = -8;      // the corner between the scroll bars
constexpr ZafNumberID ZAF_NUMID_GEOMETRY = -9;
constexpr ZafNumberID ZAF_NUMID_PULL_DOWN_MENU = -11;
constexpr ZafNumberID ZAF_NUMID_SYSTEM_BUTTON_MENU = -12;
constexpr ZafNumberID ZAF_NUMID_MIN_ICON = -13;
constexpr const wchar_t *ZAF_STRID_BORDER = L"ZAF_NUMID_BORDER";
constexpr const wchar_t *ZAF_STRID_MAXIMIZE = L"ZAF_NUMID_MAXIMIZE";
constexpr const wchar_t *ZAF_STRID_MINIMIZE = L"ZAF_NUMID_MINIMIZE";
constexpr const wchar_t *ZAF_STRID_SYSTEM = L"ZAF_NUMID_SYSTEM";
constexpr const wchar_t *ZAF_STRID_TITLE = L"ZAF_NUMID_TITLE";
constexpr const wchar_t *ZAF_STRID_GEOMETRY = L"ZAF_NUMID_GEOMETRY";
constexpr const wchar_t *ZAF_STRID_PULL_DOWN_MENU = L"ZAF_NUMID_PULL_DOWN_MENU";
constexpr const wchar_t *ZAF_STRID_SYSTEM_BUTTON_MENU = L"ZAF_NUMID_SYSTEM_BUTTON_MENU";
constexpr const wchar_t *ZAF_STRID_MIN_ICON = L"ZAF_NUMID_MIN_ICON";
