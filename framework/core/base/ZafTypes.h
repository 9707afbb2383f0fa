#pragma once
// Basic value types of the GUI framework. Texts are wide (UTF-16) inside the
// framework; the local 8-bit code set is used only at the operating-system
// boundary. Nothing here depends on the platform headers.

#include <cstddef>
#include <cstdint>

using ZafIChar = wchar_t;   // one UTF-16 code unit (16 bits on this platform)
using ZafInt8 = int8_t;
using ZafUInt8 = uint8_t;
using ZafInt16 = int16_t;
using ZafUInt16 = uint16_t;
using ZafInt32 = int32_t;
using ZafUInt32 = uint32_t;

using ZafEventType = ZafInt32;      // event types and handler answers
using ZafLogicalEvent = ZafInt32;   // logical input events (1000-1099) and 9999
using ZafRawCode = ZafUInt32;       // raw code or value of an event
using ZafNumberID = ZafInt16;       // an element's number id
using ZafStringID = const ZafIChar *;
using ZafClassID = ZafInt32;        // class number id
using ZafClassName = const ZafIChar *;
using ZafDeviceType = ZafInt32;
using ZafDeviceState = ZafInt32;
using ZafCoordinateType = ZafInt32; // ZAF_CELL ... ZAF_TENTH_MM (ZafConstants.h)
using ZafPaletteType = ZafUInt16;
using ZafPaletteState = ZafUInt16;
using ZafError = ZafInt32;
using ZafUpdateCode = ZafInt32;     // notification kind: 1 read the screen, 2 changed

// Operating-system handles, kept opaque in the portable half.
using ZafOSWindow = void *;         // HWND
using ZafOSBitmap = void *;         // HBITMAP
using ZafOSIcon = void *;           // HICON
using ZafOSCursor = void *;         // HCURSOR
using ZafOSFont = void *;           // HFONT
using ZafOSPalette = void *;        // HPALETTE
