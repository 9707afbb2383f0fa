#pragma once
// VZWindowModules: the start-ups and shut-downs of the image and hardware
// window modules (their named bitmaps, the image pane's printer and
// settings), in the order the program's start-up and shut-down call them.
// GUI thread, once the program's data file is open.

class VZWindowModules
{
public:
    // Image window and pane, hardware window, alignment window, remote
    // window and pane, hardware tool bar, camera dialog.
    static void Startup();
    // The same modules in the reverse order.
    static void Shutdown();
};
