#pragma once
// The OS styles a frame takes from its support objects that have no OS
// window of their own: number id -1 (border), -2 (maximize button), -3
// (minimize button), -4 (system menu) and -5 (title) style the frame, -6
// and -7 give the client window its horizontal and vertical scroll bars.
// Each kind of frame names the style that stands for each of the first
// five. GUI thread only.
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
