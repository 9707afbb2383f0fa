#pragma once
// VZRemotePane: the module of the remote pad's buttons. Its start-up reads
// the module's named bitmaps from the program's data file (VZWindowCodes.h
// lists them); its shut-down deletes them. GUI thread.

#include "imaging/windows/VZNamedBitmaps.h"

class VZRemotePane
{
public:
    static void Startup();
    static void Shutdown();
    // The module's bitmaps, in the order of their list; empty outside start-up and shut-down.
    static const VZNamedBitmaps &Bitmaps();
};
