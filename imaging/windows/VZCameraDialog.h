#pragma once
// VZCameraDialog: the module of the camera dialog. Its start-up and shut-down,
// called in the program's start-up and shut-down sequence, have nothing to do.

class VZCameraDialog
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
