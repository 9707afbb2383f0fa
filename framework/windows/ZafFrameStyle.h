#pragma once
// The OS styles a frame takes from its support objects that have no OS window
// of their own: number id ZAF_NUMID_BORDER, ZAF_NUMID_MAXIMIZE,
// ZAF_NUMID_MINIMIZE, ZAF_NUMID_SYSTEM (system menu) and ZAF_NUMID_TITLE style
// the frame, ZAF_NUMID_HZ_SCROLL and ZAF_NUMID_VT_SCROLL give the client window
// its horizontal and vertical scroll bars. Each kind of frame names the style
// that stands for each of the first five. GUI thread only.
#include <windows.h>

class ZafList;

struct ZafFrameStyle
{
    DWORD frame = 0;             // styles of the outer window
    DWORD client = 0;            // WS_HSCROLL and WS_VSCROLL of the client
    bool border = false;         // a border support object is among them
    bool supportWindow = false;  // a support object has an OS window of its own
};

// partStyles[i] is the frame style for number id -(i + 1); 0 where the kind
// of frame has no such part.
ZafFrameStyle ZafSupportFrameStyle(const ZafList &supportList, const DWORD (&partStyles)[5]);
