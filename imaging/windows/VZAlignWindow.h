#pragma once
// VZAlignWindow: the module of the camera alignment window. Its start-up and shut-down,
// called in the program's start-up and shut-down sequence, have nothing to do.

class VZAlignWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
